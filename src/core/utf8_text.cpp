#include "core/utf8_text.h"

#include <vector>

namespace ventelle {

void appendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

namespace {

// Every byte but a continuation byte (10xxxxxx) starts a character.
bool startsCharacter(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) != 0x80; }

}  // namespace

std::string trimCharacters(std::string_view text, std::size_t front, std::size_t back) {
  std::vector<std::size_t> starts;
  for (std::size_t i = 0; i < text.size(); ++i)
    if (startsCharacter(text[i])) starts.push_back(i);
  if (starts.size() <= front + back) return {};
  const std::size_t begin = starts[front];
  const std::size_t end = back == 0 ? text.size() : starts[starts.size() - back];
  return std::string(text.substr(begin, end - begin));
}

std::string withPlainBlanks(std::string_view text) {
  constexpr std::string_view kNoBreakSpace = "\xC2\xA0";
  std::string plain;
  plain.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text.substr(i, kNoBreakSpace.size()) == kNoBreakSpace) {
      plain += ' ';
      ++i;
    } else {
      plain += text[i];
    }
  }
  const auto first = plain.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return plain.substr(first, plain.find_last_not_of(' ') - first + 1);
}

}  // namespace ventelle
