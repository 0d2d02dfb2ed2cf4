#pragma once
// The profile files of the users as files of a folder.
#include <string>
#include <vector>

#include "core/program_folder.h"

namespace ventelle {

// Names of the profile files "*.ini" of the folder, in listing order.
std::vector<std::string> listProfileFiles(const ProgramFolder& folder);

// Deletes the profile of that user, its file name matched without regard to
// case. A profile already gone is no failure; false when it is still there.
bool deleteProfileFile(const ProgramFolder& folder, const std::string& userName);

}  // namespace ventelle
