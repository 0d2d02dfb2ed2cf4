#pragma once
// The program folder: every data path of the program ("2004\4Chapitre1.dat")
// is relative to it and written with backslashes.
//
// An installed program reads what it ships from a read-only folder and keeps
// what it writes or the user edits in the user's own folder: the folder is
// then two layers, the user's read first.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ventelle {

class ProgramFolder {
 public:
  // One folder, read and written.
  explicit ProgramFolder(std::filesystem::path root) : root_(std::move(root)) {}
  // The user's folder over the shipped one.
  ProgramFolder(std::filesystem::path root, std::filesystem::path shipped)
      : root_(std::move(root)), shipped_(std::move(shipped)) {}

  // Where the program writes.
  const std::filesystem::path& root() const { return root_; }

  // The file to read for a program path: the user's when it exists, else the
  // shipped one. Each component is matched without regard to case when the
  // exact name is absent; a path that exists nowhere comes back spelled as
  // asked under root(). "." and ".." parts are passed over, so that no path
  // leads out of the folder.
  std::filesystem::path resolve(std::string_view programPath) const;

  // The file to write (or remove) for a program path: always under root(),
  // matched without regard to case as resolve() does.
  std::filesystem::path resolveForWriting(std::string_view programPath) const;

  // The folder of a program path in each layer, the user's first.
  std::vector<std::filesystem::path> foldersOf(std::string_view programFolder) const;

  // Names of the files of a folder ("" for the root, "skin" ...) whose names
  // end with that extension (".col"), in either case, in both layers, sorted
  // without regard to case so that menus built from them are stable.
  std::vector<std::string> listFiles(std::string_view programFolder, std::string_view extension) const;

 private:
  std::filesystem::path root_;
  std::optional<std::filesystem::path> shipped_;
};

}  // namespace ventelle
