#pragma once
#include <filesystem>

namespace ventelle {

// The program folder: "data" beside the executable when it is writable;
// otherwise the user's own copy under the desktop's data folder, seeded from
// the installed one without overwriting any file the user already has.
std::filesystem::path locateProgramFolder(const std::filesystem::path& installed);

}  // namespace ventelle
