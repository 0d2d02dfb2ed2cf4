#pragma once
// Reads the pixel size of a JPEG picture from its frame header, so the
// question area can be laid out without decoding the picture.
#include <filesystem>
#include <istream>
#include <optional>

namespace ventelle {

struct PixelSize {
  int width = 0;
  int height = 0;
};

std::optional<PixelSize> jpegSize(const std::filesystem::path& path);
// The same read from the picture's bytes: nothing when they are not a JPEG
// picture or end before its frame header.
std::optional<PixelSize> jpegSize(std::istream& in);

}  // namespace ventelle
