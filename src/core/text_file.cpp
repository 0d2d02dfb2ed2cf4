#include "core/text_file.h"

#include <fstream>
#include <iterator>

#include "core/windows1252.h"

namespace ventelle {

TextLines splitLines(const std::string& text) {
  TextLines lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::size_t stop = end;
    if (stop > start && text[stop - 1] == '\r') --stop;
    lines.emplace_back(text, start, stop - start);
    start = end + 1;
  }
  return lines;
}

std::optional<TextLines> readTextFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes;
  try {
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  } catch (const std::ios_base::failure&) {  // a folder opens, then fails to read
    return std::nullopt;
  }
  if (in.bad()) return std::nullopt;
  return splitLines(decodeWindows1252(bytes));
}

}  // namespace ventelle
