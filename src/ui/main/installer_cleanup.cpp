#include "ui/main/installer_cleanup.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

namespace ventelle {

void removeInstallerLeftovers(const std::filesystem::path& folder) {
  static constexpr std::array<std::string_view, 6> kLeftovers = {
      "Ventelle1.CAB", "Ventelle2.CAB", "Ventelle3.CAB", "Ventelle4.CAB", "setup.exe", "SETUP.LST"};
  // Names are compared as the folder lists them, so a case-insensitive disk
  // cannot make "SETUP.EXE" pass for "setup.exe".
  std::vector<std::filesystem::path> found;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    const std::string name = entry.path().filename().string();
    const bool leftover = std::find(kLeftovers.begin(), kLeftovers.end(), name) != kLeftovers.end();
    std::error_code kindError;
    if (leftover && !entry.is_directory(kindError)) found.push_back(entry.path());
  }
  for (const auto& path : found) std::filesystem::remove(path, error);
}

}  // namespace ventelle
