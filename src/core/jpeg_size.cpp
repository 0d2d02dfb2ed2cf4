#include "core/jpeg_size.h"

#include <fstream>

namespace ventelle {

std::optional<PixelSize> jpegSize(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return jpegSize(in);
}

std::optional<PixelSize> jpegSize(std::istream& in) {
  auto byte = [&in]() { return in.get(); };
  // A big-endian 16-bit value, its high byte first; -1 when the file ends
  // within it.
  auto word = [&byte]() {
    const int high = byte();
    const int low = byte();
    return high < 0 || low < 0 ? -1 : high * 256 + low;
  };
  if (byte() != 0xFF || byte() != 0xD8) return std::nullopt;
  while (in) {
    int marker = byte();
    if (marker != 0xFF) return std::nullopt;
    while (marker == 0xFF) marker = byte();
    if (marker < 0 || marker == 0xD9 || marker == 0xDA) return std::nullopt;
    if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) continue;
    const int length = word();
    if (length < 2) return std::nullopt;
    const bool frame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
    if (frame) {
      byte();  // precision
      const int height = word();
      const int width = word();
      if (width <= 0 || height <= 0) return std::nullopt;
      return PixelSize{width, height};
    }
    in.seekg(length - 2, std::ios::cur);
  }
  return std::nullopt;
}

}  // namespace ventelle
