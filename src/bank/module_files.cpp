#include "bank/module_files.h"

#include <filesystem>

namespace ventelle {

std::vector<std::string> copyModules(const ProgramFolder& folder, const std::vector<int>& modules) {
  std::vector<std::string> failed;
  for (std::size_t k = 0; k < modules.size(); ++k) {
    if (modules[k] == 0) continue;
    const std::string module = "2004\\" + std::to_string(modules[k]) + ".qcm";
    const auto source = folder.resolve(module);
    const auto target = folder.resolve("2004\\4Chapitre" + std::to_string(k + 1) + ".dat");
    std::error_code error;
    std::filesystem::copy_file(source, target, std::filesystem::copy_options::overwrite_existing, error);
    if (error) failed.push_back(module);
  }
  return failed;
}

}  // namespace ventelle
