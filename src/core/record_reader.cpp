#include "core/record_reader.h"

namespace ventelle {

std::string trimSpaces(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(' ');
  return std::string(text.substr(first, last - first + 1));
}

namespace {
std::string trimLeft(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  return first == std::string_view::npos ? std::string() : std::string(text.substr(first));
}
}  // namespace

bool RecordReader::nextLine() {
  while (!atEnd()) {
    currentLine_ = trimSpaces(lines_[position_++]);
    if (!currentLine_.empty() && currentLine_.front() != ';') return true;
  }
  return false;
}

std::string RecordReader::item() {
  const auto equals = currentLine_.find('=');
  if (equals == std::string::npos) {
    lineHasNoKey_ = true;
    return {};
  }
  const auto key = std::string_view(currentLine_).substr(0, equals);
  const auto last = key.find_last_not_of(' ');
  return last == std::string_view::npos ? std::string() : std::string(key.substr(0, last + 1));
}

std::string RecordReader::data() const {
  const auto equals = currentLine_.find('=');
  return trimLeft(equals == std::string::npos ? std::string_view(currentLine_)
                                              : std::string_view(currentLine_).substr(equals + 1));
}

// A line whose first "]" comes before its first "[" is not taken as a
// header: it names no section.
bool sectionName(std::string_view line, std::string& name) {
  const auto open = line.find('[');
  if (open == std::string_view::npos) return false;
  const auto close = line.find(']');
  if (close == std::string_view::npos || close < open) return false;
  name = trimSpaces(line.substr(open + 1, close - open - 1));
  return true;
}

void RecordReader::findNextSection() {
  std::string name;
  while (!atEnd()) {
    if (sectionName(currentLine_, name)) {
      currentLine_ = std::move(name);
      return;
    }
    nextLine();
  }
}

int countFields(std::string_view text) {
  if (text.empty()) return 0;
  int commas = 0;
  for (const char c : text) commas += c == ',';
  return commas + 1;
}

std::string field(std::string_view text, int k, int n) {
  std::size_t start = 0;
  for (int i = 1; i < k; ++i) {
    const auto comma = text.find(',', start);
    if (comma == std::string_view::npos) return {};
    start = comma + 1;
  }
  if (k >= n) return std::string(text.substr(start));
  const auto end = text.find(',', start);
  return std::string(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
}

}  // namespace ventelle
