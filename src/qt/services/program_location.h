#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/program_folder.h"

namespace ventelle {

struct ProgramLocation {
  ProgramFolder folder;
  std::vector<std::string> editedCopies;  // the user's edits of shipped files, to tell once
  bool userFolderMade = true;             // false: nothing the user does can be saved
};

// Where the program's folders are, found as locateProgramFolder finds them
// but without making or changing anything: the shipped folder, and the
// user's folder when the program writes there rather than in the shipped one.
struct ProgramFolders {
  std::filesystem::path shipped;
  std::optional<std::filesystem::path> user;
};
ProgramFolders findProgramFolders(const std::filesystem::path& executableFolder);

// The shipped program folder is "data" beside the executable (the build
// tree), else "../share/ventelle" (an installed program). A build tree's
// folder that can be written is worked in; otherwise the program writes in
// the user's folder under the desktop's data folder and reads what it ships
// from the shipped folder, so that a newer package reaches every user.
ProgramLocation locateProgramFolder(const std::filesystem::path& executableFolder);

// The SHA-256 of a file's bytes in lower-case hex, "" when it cannot be read.
std::string fileChecksum(const std::filesystem::path& file);

}  // namespace ventelle
