#include "users/user_files.h"

#include <filesystem>

#include "users/user_names.h"

namespace ventelle {

std::vector<std::string> listProfileFiles(const ProgramFolder& folder) {
  return folder.listFiles("", kProfileExtension);
}

bool deleteProfileFile(const ProgramFolder& folder, const std::string& userName) {
  for (const auto& file : listProfileFiles(folder)) {
    if (!sameUserName(file, userName + kProfileExtension)) continue;
    std::error_code error;
    std::filesystem::remove(folder.root() / file, error);
    if (error) return false;
  }
  return true;
}

}  // namespace ventelle
