#include "core/program_folder.h"

#include <algorithm>
#include <cctype>

namespace ventelle {
namespace {

bool sameIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

std::filesystem::path findEntry(const std::filesystem::path& folder, const std::string& name) {
  auto exact = folder / name;
  std::error_code error;
  if (std::filesystem::exists(exact, error)) return exact;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    if (sameIgnoringCase(entry.path().filename().string(), name)) return entry.path();
  }
  return exact;
}

std::string lowered(std::string_view text) {
  std::string result(text);
  for (char& c : result) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return result;
}

std::filesystem::path resolveIn(const std::filesystem::path& root, std::string_view programPath) {
  std::filesystem::path result = root;
  std::size_t start = 0;
  while (start <= programPath.size()) {
    auto end = programPath.find_first_of("\\/", start);
    if (end == std::string_view::npos) end = programPath.size();
    const std::string part(programPath.substr(start, end - start));
    // Names read from files make paths too: none may climb out of the folder.
    if (!part.empty() && part != "." && part != "..") result = findEntry(result, part);
    start = end + 1;
  }
  return result;
}

}  // namespace

std::filesystem::path ProgramFolder::resolve(std::string_view programPath) const {
  const auto own = resolveIn(root_, programPath);
  std::error_code error;
  if (!shipped_ || std::filesystem::exists(own, error)) return own;
  const auto shipped = resolveIn(*shipped_, programPath);
  return std::filesystem::exists(shipped, error) ? shipped : own;
}

std::filesystem::path ProgramFolder::resolveForWriting(std::string_view programPath) const {
  return resolveIn(root_, programPath);
}

std::vector<std::filesystem::path> ProgramFolder::foldersOf(std::string_view programFolder) const {
  std::vector<std::filesystem::path> folders{resolveIn(root_, programFolder)};
  if (shipped_) folders.push_back(resolveIn(*shipped_, programFolder));
  return folders;
}

std::vector<std::string> ProgramFolder::listFiles(std::string_view programFolder, std::string_view extension) const {
  std::vector<std::string> names;
  const std::string wanted = lowered(extension);
  for (const auto& folder : foldersOf(programFolder)) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
      std::error_code kindError;
      const std::string name = entry.path().filename().string();
      if (entry.is_regular_file(kindError) && name.size() >= wanted.size() &&
          lowered(name.substr(name.size() - wanted.size())) == wanted &&
          std::none_of(names.begin(), names.end(), [&](const std::string& n) { return sameIgnoringCase(n, name); }))
        names.push_back(name);
    }
  }
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    const std::string la = lowered(a), lb = lowered(b);
    return la != lb ? la < lb : a < b;
  });
  return names;
}

}  // namespace ventelle
