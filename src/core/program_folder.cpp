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

}  // namespace

std::filesystem::path ProgramFolder::resolve(std::string_view programPath) const {
  std::filesystem::path result = root_;
  std::size_t start = 0;
  while (start <= programPath.size()) {
    auto end = programPath.find_first_of("\\/", start);
    if (end == std::string_view::npos) end = programPath.size();
    const std::string part(programPath.substr(start, end - start));
    if (!part.empty()) result = findEntry(result, part);
    start = end + 1;
  }
  return result;
}

}  // namespace ventelle
