#include "core/windows1252.h"

#include <array>
#include <cstdint>

#include "core/utf8_text.h"

namespace ventelle {
namespace {

// Code points of bytes 0x80..0x9F; undefined bytes keep their own value.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

int byteFor(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
  for (std::size_t i = 0; i < kHighControls.size(); ++i)
    if (kHighControls[i] == cp) return static_cast<int>(0x80 + i);
  return '?';
}

// Reads one UTF-8 sequence at pos; returns the code point or -1 when malformed.
long nextCodePoint(std::string_view s, std::size_t& pos) {
  const auto lead = static_cast<unsigned char>(s[pos++]);
  if (lead < 0x80) return lead;
  int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
  if (extra < 0 || pos + extra > s.size()) return -1;
  long cp = lead & (0x3F >> extra);
  for (int i = 0; i < extra; ++i) {
    const auto c = static_cast<unsigned char>(s[pos]);
    if ((c & 0xC0) != 0x80) return -1;
    cp = (cp << 6) | (c & 0x3F);
    ++pos;
  }
  return cp;
}

// The length of the run of ASCII bytes from pos: they read the same in both
// encodings and are copied whole.
std::size_t asciiRun(std::string_view s, std::size_t pos) {
  std::size_t end = pos;
  while (end < s.size() && static_cast<unsigned char>(s[end]) < 0x80) ++end;
  return end - pos;
}

}  // namespace

std::string decodeWindows1252(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 8);
  std::size_t pos = 0;
  while (pos < bytes.size()) {
    const std::size_t run = asciiRun(bytes, pos);
    out.append(bytes, pos, run);
    pos += run;
    if (pos == bytes.size()) break;
    const auto b = static_cast<unsigned char>(bytes[pos++]);
    appendUtf8(out, b < 0xA0 ? kHighControls[b - 0x80] : b);
  }
  return out;
}

std::string encodeWindows1252(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    const std::size_t run = asciiRun(utf8, pos);
    out.append(utf8, pos, run);
    pos += run;
    if (pos == utf8.size()) break;
    const long cp = nextCodePoint(utf8, pos);
    out += static_cast<char>(cp < 0 ? '?' : byteFor(static_cast<char32_t>(cp)));
  }
  return out;
}

}  // namespace ventelle
