#include "qt/program_location.h"

#include <QStandardPaths>
#include <unistd.h>

namespace ventelle {
namespace {

bool writable(const std::filesystem::path& folder) { return ::access(folder.c_str(), W_OK) == 0; }

void seedUserCopy(const std::filesystem::path& installed, const std::filesystem::path& copy) {
  namespace fs = std::filesystem;
  std::error_code error;
  fs::create_directories(copy, error);
  for (auto it = fs::recursive_directory_iterator(installed, error); !error && it != fs::recursive_directory_iterator();
       it.increment(error)) {
    const auto target = copy / fs::relative(it->path(), installed, error);
    if (it->is_directory()) {
      fs::create_directories(target, error);
    } else if (!fs::exists(target)) {
      fs::copy_file(it->path(), target, error);
      fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, error);
    }
  }
}

}  // namespace

std::filesystem::path locateProgramFolder(const std::filesystem::path& installed) {
  if (writable(installed)) return installed;
  const std::filesystem::path copy =
      QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString();
  seedUserCopy(installed, copy);
  return copy;
}

}  // namespace ventelle
