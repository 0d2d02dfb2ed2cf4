#pragma once
// The smallest file the picture reader takes for a JPEG: SOI, APP0 (JFIF), a
// Huffman table, a baseline frame header of the given size, EOI.
#include <cstddef>
#include <string>

namespace ventelle {

inline std::string tinyJpeg(int width, int height) {
  const auto twoBytes = [](std::size_t n) { return std::string{static_cast<char>(n >> 8), static_cast<char>(n & 0xFF)}; };
  const auto segment = [&](char marker, const std::string& body) {
    return std::string{'\xFF', marker} + twoBytes(body.size() + 2) + body;
  };
  const std::string sof0 = "\x08" + twoBytes(height) + twoBytes(width) + std::string("\x01\x01\x11\x00", 4);
  return "\xFF\xD8" + segment('\xE0', std::string("JFIF\0\x01\x01\0\0\x01\0\x01\0\0", 14)) +
         segment('\xC4', std::string("\x00\x01\x02\x03", 4)) + segment('\xC0', sof0) + "\xFF\xD9";
}

}  // namespace ventelle
