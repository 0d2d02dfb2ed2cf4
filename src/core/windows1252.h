#pragma once
// Conversion between the Windows-1252 bytes of the data files and the UTF-8
// text used everywhere inside the program.
//
// Policy: the five bytes that Windows-1252 leaves undefined (0x81, 0x8D, 0x8F,
// 0x90, 0x9D) decode to the C1 control of the same value, so any file survives
// a decode/encode round trip byte for byte. A character that Windows-1252
// cannot hold encodes as "?". Malformed UTF-8 input encodes as "?" per byte.
#include <string>
#include <string_view>

namespace ventelle {

std::string decodeWindows1252(std::string_view bytes);
std::string encodeWindows1252(std::string_view utf8);

}  // namespace ventelle
