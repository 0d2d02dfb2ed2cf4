#include "users/user_names.h"

#include <algorithm>

namespace ventelle {
namespace {

constexpr std::string_view kForbidden = "\\/:*.?\"<>|";
constexpr char32_t kReplacement = 0xFFFD;

// One character of UTF-8 text: its bytes and its code point.
struct Character {
  std::string_view bytes;
  char32_t code = 0;
};

// Splits UTF-8 text into characters; a byte that starts no valid sequence
// stands alone as a replacement character, so that it is never taken for a
// letter.
std::vector<Character> characters(std::string_view text) {
  std::vector<Character> result;
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 1;
    char32_t code = length == 1 ? lead : lead & (0x7F >> length);
    std::size_t n = 1;
    for (; n < length && i + n < text.size(); ++n) {
      const auto next = static_cast<unsigned char>(text[i + n]);
      if ((next & 0xC0) != 0x80) break;
      code = (code << 6) | (next & 0x3F);
    }
    if (n < length || (length == 1 && lead >= 0x80)) {
      result.push_back({text.substr(i, 1), kReplacement});
      ++i;
    } else {
      result.push_back({text.substr(i, length), code});
      i += length;
    }
  }
  return result;
}

std::string encode(char32_t code) {
  std::string out;
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
  return out;
}

// The small letter of a capital of Windows-1252; other characters as they are.
char32_t smallLetter(char32_t c) {
  if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 0x20;
  switch (c) {
    case 0x152: return 0x153;  // Œ
    case 0x160: return 0x161;  // Š
    case 0x17D: return 0x17E;  // Ž
    case 0x178: return 0xFF;   // Ÿ
    default: return c;
  }
}

bool isBlank(char32_t c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == 0xA0; }
bool isControl(char32_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

}  // namespace

std::string displayName(const std::string& userName) {
  return sameUserName(userName, kDefaultUser) ? kDefaultUserDisplay : userName;
}

std::string userNameOf(const std::string& display) {
  return sameUserName(display, kDefaultUserDisplay) ? kDefaultUser : display;
}

std::string displayNameOfFile(const std::string& fileName) {
  return displayName(fileName.substr(0, fileName.find('.')));
}

std::string foldCase(std::string_view text) {
  std::string folded;
  for (const Character& c : characters(text)) {
    const char32_t small = smallLetter(c.code);
    folded += small == c.code ? std::string(c.bytes) : encode(small);
  }
  return folded;
}

bool sameUserName(std::string_view a, std::string_view b) { return foldCase(a) == foldCase(b); }

std::string trimBlanks(std::string_view text) {
  const auto chars = characters(text);
  auto first = std::find_if_not(chars.begin(), chars.end(), [](const Character& c) { return isBlank(c.code); });
  auto last = std::find_if_not(chars.rbegin(), chars.rend(), [](const Character& c) { return isBlank(c.code); });
  if (first == chars.end()) return {};
  const char* begin = first->bytes.data();
  const char* end = last->bytes.data() + last->bytes.size();
  return std::string(begin, end);
}

std::optional<std::string> refusalOfNewUser(const std::string& name, const std::vector<std::string>& listed,
                                            const std::vector<std::string>& profileFiles) {
  namespace m = user_messages;
  if (name.empty()) return m::kEnterName;
  const auto same = [&](const std::string& other) { return sameUserName(name, other); };
  // The default user's profile is there to stay: his name is reserved.
  const auto sameFile = [&](const std::string& file) {
    return sameUserName(name + kProfileExtension, file) && !sameUserName(file, kDefaultUser + kProfileExtension);
  };
  if (std::any_of(listed.begin(), listed.end(), same) || std::any_of(profileFiles.begin(), profileFiles.end(), sameFile))
    return m::kAlreadyListed;
  // The default user's shown name stays his even when his profile is missing.
  if (same(kDefaultUser) || same(kDefaultUserDisplay)) return m::kReserved;
  if (name.find_first_of(kForbidden) != std::string::npos) return m::kForbiddenCharacters;
  const auto chars = characters(name);
  if (std::any_of(chars.begin(), chars.end(), [](const Character& c) { return isControl(c.code); }))
    return m::kControlCharacters;
  if (chars.size() > kMaxUserNameLength) return m::kTooLong;
  return std::nullopt;
}

}  // namespace ventelle
