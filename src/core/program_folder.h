#pragma once
// The program folder: every data path of the program ("2004\4Chapitre1.dat")
// is relative to it and written with backslashes.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace ventelle {

class ProgramFolder {
 public:
  explicit ProgramFolder(std::filesystem::path root) : root_(std::move(root)) {}

  const std::filesystem::path& root() const { return root_; }

  // The file on disk for a program path. Each component is matched without
  // regard to case when the exact name is absent; a path that exists in
  // neither form comes back spelled as asked.
  std::filesystem::path resolve(std::string_view programPath) const;

  // Names of the files of a folder ("" for the root, "skin" ...) whose names
  // end with that extension (".col"), in either case, sorted without regard
  // to case so that menus built from them are stable.
  std::vector<std::string> listFiles(std::string_view programFolder, std::string_view extension) const;

 private:
  std::filesystem::path root_;
};

}  // namespace ventelle
