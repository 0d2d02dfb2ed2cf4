#pragma once
// Reads the pixel size of a JPEG picture from its frame header, so the
// question area can be laid out without decoding the picture.
#include <filesystem>
#include <optional>

namespace ventelle {

struct PixelSize {
  int width = 0;
  int height = 0;
};

std::optional<PixelSize> jpegSize(const std::filesystem::path& path);

}  // namespace ventelle
