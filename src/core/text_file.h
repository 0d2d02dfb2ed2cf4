#pragma once
// Whole-file text access at the program's file boundary: Windows-1252 bytes
// on disk, UTF-8 lines in memory. CR LF and LF line ends are both read.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace ventelle {

using TextLines = std::vector<std::string>;

// Splits decoded text into lines; a final line end does not start a new line.
TextLines splitLines(const std::string& text);

// The file's lines, or nothing when it cannot be read.
std::optional<TextLines> readTextFile(const std::filesystem::path& path);

}  // namespace ventelle
