#pragma once
// What the desktop opens for the program: web and mail addresses in the
// default browser or mail program, text files in the text editor. Neither
// waits for the program it starts.
#include <filesystem>
#include <string>

namespace ventelle {

class Desktop {
 public:
  virtual ~Desktop() = default;
  // False when no handler could be started.
  virtual bool openAddress(const std::string& address) = 0;
  virtual bool openTextFile(const std::filesystem::path& file) = 0;
};

}  // namespace ventelle
