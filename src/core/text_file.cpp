#include "core/text_file.h"

#include "core/file_io.h"
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
  const auto bytes = readFileBytes(path);
  if (!bytes) return std::nullopt;
  return splitLines(decodeWindows1252(*bytes));
}

}  // namespace ventelle
