#pragma once
// The smallest file the picture reader takes for a JPEG: SOI, APP0 (JFIF), a
// Huffman table, a baseline frame header of the given size, EOI.
#include <string>

namespace ventelle {

inline std::string jpegSegment(int marker, const std::string& body) {
  const auto length = body.size() + 2;
  return std::string{'\xFF', static_cast<char>(marker), static_cast<char>(length >> 8), static_cast<char>(length & 0xFF)} +
         body;
}

inline std::string tinyJpeg(int width, int height) {
  auto twoBytes = [](int n) { return std::string{static_cast<char>(n >> 8), static_cast<char>(n & 0xFF)}; };
  const std::string app0("JFIF\0\x01\x01\0\0\x01\0\x01\0\0", 14);
  const std::string dht("\x00\x01\x02\x03", 4);
  const std::string sof0 = "\x08" + twoBytes(height) + twoBytes(width) + std::string("\x01\x01\x11\x00", 4);
  return std::string("\xFF\xD8") + jpegSegment(0xE0, app0) + jpegSegment(0xC4, dht) + jpegSegment(0xC0, sof0) +
         "\xFF\xD9";
}

}  // namespace ventelle
