#include "users/profile_fields.h"

#include <cctype>

#include "core/record_reader.h"

namespace ventelle {
namespace {

constexpr int kLargestValue = 1'000'000'000;

bool isDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

}  // namespace

std::vector<std::string> splitProfileFields(std::string_view line) {
  std::vector<std::string> fields;
  std::size_t at = 0;
  while (true) {
    while (at < line.size() && line[at] == ' ') ++at;
    std::string value;
    std::size_t comma;
    if (at < line.size() && line[at] == '"') {
      const std::size_t close = line.find('"', at + 1);
      const std::size_t end = close == std::string_view::npos ? line.size() : close;
      value = std::string(line.substr(at + 1, end - at - 1));
      comma = line.find(',', end);
    } else {
      comma = line.find(',', at);
      const std::size_t end = comma == std::string_view::npos ? line.size() : comma;
      value = trimSpaces(line.substr(at, end - at));
    }
    fields.push_back(std::move(value));
    if (comma == std::string_view::npos) return fields;
    at = comma + 1;
  }
}

std::string firstProfileField(std::string_view line) { return splitProfileFields(line).front(); }

std::optional<int> wholeNumber(std::string_view field) {
  std::size_t at = field.starts_with('-') ? 1 : 0;
  if (at == field.size() || field.size() - at > 9) return std::nullopt;
  int value = 0;
  for (; at < field.size(); ++at) {
    if (!isDigit(field[at])) return std::nullopt;
    value = value * 10 + (field[at] - '0');
  }
  return field.starts_with('-') ? -value : value;
}

std::optional<bool> booleanField(std::string_view field) {
  if (field == "#TRUE#") return true;
  if (field == "#FALSE#") return false;
  if (const auto number = wholeNumber(field)) return *number != 0;
  return std::nullopt;
}

int leadingValue(std::string_view caption) {
  std::size_t at = 0;
  while (at < caption.size() && caption[at] == ' ') ++at;
  const bool negative = at < caption.size() && caption[at] == '-';
  if (negative) ++at;
  long long value = 0;
  for (; at < caption.size() && isDigit(caption[at]); ++at)
    value = std::min<long long>(value * 10 + (caption[at] - '0'), kLargestValue);
  return static_cast<int>(negative ? -value : value);
}

// A double quote cannot stand inside a quoted field: it is left out.
std::string quotedField(std::string_view text) {
  std::string quoted = "\"";
  for (const char c : text)
    if (c != '"') quoted += c;
  return quoted + "\"";
}

std::string booleanText(bool value) { return value ? "#TRUE#" : "#FALSE#"; }

}  // namespace ventelle
