#include "bank/module_files.h"

#include "core/file_io.h"
#include "core/text_file.h"

namespace ventelle {
namespace {

constexpr const char* kLineEnd = "\r\n";

std::optional<std::string> readModule(const ProgramFolder& folder, int module) {
  return readFileBytes(folder.resolve(modulePath(module)));
}

// The module's lines, each ended by CR LF whatever ended it in the module.
std::string linesOf(const std::string& moduleBytes) {
  std::string text;
  for (const auto& line : splitLines(moduleBytes)) text += line + kLineEnd;
  return text;
}

void removeChapter(ChapterLibrary& library, int chapter) {
  const std::string path = chapter2004Path(chapter);
  std::error_code ignored;
  std::filesystem::remove(library.folder().resolveForWriting(path), ignored);
  library.forget(path);
}

// A chapter that cannot be written is removed rather than left with the
// questions of another brevet.
void writeChapter(ChapterLibrary& library, int chapter, const std::string& bytes, ModuleProblems& problems) {
  const std::string path = chapter2004Path(chapter);
  if (writeFileAtomically(library.folder().resolveForWriting(path), bytes)) {
    library.forget(path);
  } else {
    problems.unwritableChapters.push_back(path);
    removeChapter(library, chapter);
  }
}

}  // namespace

std::string modulePath(int module) { return "2004\\" + std::to_string(module) + ".qcm"; }

std::string chapter2004Path(int chapter) { return "2004\\4Chapitre" + std::to_string(chapter) + ".dat"; }

ModuleProblems copyModules(ChapterLibrary& library, const std::vector<int>& modules) {
  ModuleProblems problems;
  for (std::size_t k = 1; k <= modules.size(); ++k) {
    const int module = modules[k - 1];
    if (module == 0) continue;
    const int chapter = static_cast<int>(k);
    if (const auto bytes = readModule(library.folder(), module)) {
      writeChapter(library, chapter, *bytes, problems);
    } else {
      problems.unreadableModules.push_back(modulePath(module));
      removeChapter(library, chapter);
    }
  }
  return problems;
}

ModuleProblems joinModules(ChapterLibrary& library, const ModuleJoin& join) {
  ModuleProblems problems;
  std::string bytes = readFileBytes(library.folder().resolve(chapter2004Path(join.chapter))).value_or("");
  bytes += std::string(kLineEnd) + kLineEnd;
  bool first = true;
  for (const int module : {join.a, join.b}) {
    if (module == 0) continue;
    if (!first) bytes += kLineEnd;
    first = false;
    if (const auto moduleBytes = readModule(library.folder(), module)) {
      bytes += linesOf(*moduleBytes);
    } else {
      problems.unreadableModules.push_back(modulePath(module));
    }
  }
  bytes += kLineEnd;
  writeChapter(library, join.chapter, bytes, problems);
  return problems;
}

std::vector<std::string> chapterSources(int examIndex, bool lowerLevels, int chapter) {
  const bool lower = lowerLevels && canIncludeLowerLevels(examIndex);
  const auto modules = modulesOf(examIndex == 11 && lower ? 10 : examIndex);
  std::vector<std::string> sources;
  if (chapter >= 1 && chapter <= static_cast<int>(modules.size()) && modules[chapter - 1] != 0)
    sources.push_back(modulePath(modules[chapter - 1]));
  if (!lower) return sources;
  for (const ModuleJoin& join : lowerLevelJoins(examIndex)) {
    if (join.chapter != chapter) continue;
    sources.push_back(modulePath(join.a));
    if (join.b != 0) sources.push_back(modulePath(join.b));
  }
  return sources;
}

}  // namespace ventelle
