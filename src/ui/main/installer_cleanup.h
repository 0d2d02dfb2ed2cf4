#pragma once
// Removes what an installation of the program can leave in the system's
// fixed temporary folder: the setup program, its file list and its cabinets.
#include <filesystem>

namespace ventelle {

// Deletes each leftover found in that folder under exactly its own name, case
// included; anything else is left alone, and a file that cannot be deleted is
// skipped without a word.
void removeInstallerLeftovers(const std::filesystem::path& folder);

}  // namespace ventelle
