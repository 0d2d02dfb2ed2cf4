#pragma once
// A program folder made for one test and removed after it.
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "core/windows1252.h"

namespace ventelle {

class TempFolder {
 public:
  TempFolder() {
    std::random_device device;
    path_ = std::filesystem::temp_directory_path() / ("ventelle-test-" + std::to_string(device()));
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code error;
    std::filesystem::remove_all(path_, error);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }

  // Writes UTF-8 text as a Windows-1252 file with CR LF line ends.
  void write(const std::string& relative, const std::string& utf8Text) const {
    std::string crlf;
    for (const char c : utf8Text) {
      if (c == '\n') crlf += '\r';
      crlf += c;
    }
    writeBytes(relative, encodeWindows1252(crlf));
  }
  void writeBytes(const std::string& relative, const std::string& bytes) const {
    const auto file = path_ / relative;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
  }

 private:
  std::filesystem::path path_;
};

}  // namespace ventelle
