#pragma once
// A copy of the program folder as shipped, in a temporary folder of its own
// name, removed at the end.
#include <filesystem>
#include <string>

namespace ventelle {

class ShippedFolder {
 public:
  explicit ShippedFolder(const std::string& name) : root_(std::filesystem::temp_directory_path() / name) {
    std::filesystem::remove_all(root_);
    std::filesystem::copy(VENTELLE_DATA_DIR, root_, std::filesystem::copy_options::recursive);
  }
  ~ShippedFolder() { std::filesystem::remove_all(root_); }
  const std::filesystem::path& root() const { return root_; }

 private:
  std::filesystem::path root_;
};

}  // namespace ventelle
