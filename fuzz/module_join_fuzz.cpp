// The 2004 chapter files built from module files: module 1 copied over
// chapter 1, modules 2 and 3 joined after it (the lower brevets), and the
// chapter then read and its questions loaded. The input holds the three
// module files separated by "--8<--" lines.
#include "bank/chapter_library.h"
#include "bank/module_files.h"
#include "bank/question_loader.h"
#include "core/fatal_error.h"
#include "core/file_io.h"
#include "core/seeded_random.h"
#include "fuzz_support.h"

using namespace ventelle;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto& folder = fuzz::scratch();
  const auto files = fuzz::filesOf(fuzz::bytesOf(data, size), 3);
  for (int module = 1; module <= 3; ++module) {
    const std::string name = "2004/" + std::to_string(module) + ".qcm";
    if (module <= static_cast<int>(files.size()))
      folder.write(name, files[module - 1]);
    else
      folder.remove(name);
  }

  ChapterLibrary library{ProgramFolder(folder.path())};
  FUZZ_CHECK(copyModules(library, {1}).empty());
  const bool both = files.size() == 3;
  FUZZ_CHECK(joinModules(library, {1, 2, both ? 3 : 0}).empty() == (files.size() >= 2));

  // The joined file holds the first module byte for byte, then only whole
  // CR LF lines.
  const auto joined = readFileBytes(folder.path() / "2004/4Chapitre1.dat");
  FUZZ_CHECK(joined && joined->starts_with(files[0]) && joined->ends_with("\r\n\r\n"));

  const ChapterIndex* chapter = library.chapter(chapter2004Path(1));
  FUZZ_CHECK(chapter != nullptr);
  SeededRandom random(size);
  for (int place = 1; place <= std::min(chapter->questionCount(), 200); ++place) {
    try {
      Question question = readQuestion(*chapter, 1, place, "2004\\4");
      shuffleAnswers(question, random);
    } catch (const FatalError&) {
      // A damaged question ends the program with a message, as meant.
    }
  }
  return 0;
}
