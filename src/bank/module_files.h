#pragma once
// The 2004 chapter files are built from the numbered module files.
#include <string>
#include <vector>

#include "core/program_folder.h"

namespace ventelle {

// Copies module "2004\<m>.qcm" over "2004\4Chapitre<k>.dat" for every chapter
// k whose module m is not 0. Returns the program paths of the modules that
// could not be copied (missing or unreadable); the other chapters are built.
std::vector<std::string> copyModules(const ProgramFolder& folder, const std::vector<int>& modules);

}  // namespace ventelle
