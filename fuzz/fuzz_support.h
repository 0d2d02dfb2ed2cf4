#pragma once
// What the fuzz targets share: the input as text lines the way the program
// reads a data file, the input cut into several files, and a scratch program
// folder for the readers that take a path.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include <unistd.h>

#include "core/text_file.h"
#include "core/windows1252.h"

namespace ventelle::fuzz {

inline std::string bytesOf(const std::uint8_t* data, std::size_t size) {
  return std::string(reinterpret_cast<const char*>(data), size);
}

// The lines the program reads from a file holding these bytes.
inline TextLines linesOf(std::string_view bytes) { return splitLines(decodeWindows1252(bytes)); }

// An input standing for several files holds them one after the other,
// separated by the line "--8<--".
inline std::vector<std::string> filesOf(std::string_view bytes, std::size_t most) {
  constexpr std::string_view kCut = "--8<--\n";
  std::vector<std::string> files;
  while (files.size() + 1 < most) {
    const auto cut = bytes.find(kCut);
    if (cut == std::string_view::npos) break;
    files.emplace_back(bytes.substr(0, cut));
    bytes.remove_prefix(cut + kCut.size());
  }
  files.emplace_back(bytes);
  return files;
}

// One program folder per fuzzing process, under the temporary folder, gone
// when the process ends normally.
class ScratchFolder {
 public:
  ScratchFolder()
      : path_(std::filesystem::temp_directory_path() / ("ventelle-fuzz-" + std::to_string(::getpid()))) {
    std::filesystem::create_directories(path_);
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }

  void write(const std::string& relative, std::string_view bytes) const {
    const auto file = path_ / relative;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }
  void remove(const std::string& relative) const {
    std::error_code ignored;
    std::filesystem::remove(path_ / relative, ignored);
  }

 private:
  std::filesystem::path path_;
};

inline const ScratchFolder& scratch() {
  static const ScratchFolder folder;
  return folder;
}

// A failed check is a crash libFuzzer reports with its input.
#define FUZZ_CHECK(condition) \
  do {                        \
    if (!(condition)) __builtin_trap(); \
  } while (false)

}  // namespace ventelle::fuzz
