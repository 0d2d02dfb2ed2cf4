#include "core/file_io.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace ventelle {
namespace {

bool writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

bool writeFile(const std::filesystem::path& path, std::string_view bytes, Durability durability) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  bool ok = writeAll(fd, bytes);
  if (ok && durability == Durability::UserData) ok = ::fsync(fd) == 0;
  return ::close(fd) == 0 && ok;
}

// Makes the rename itself survive a power cut.
void syncFolder(const std::filesystem::path& folder) {
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

std::optional<std::string> readFileBytes(const std::filesystem::path& path) {
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) return std::nullopt;
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  std::string bytes;
  char buffer[1 << 16];
  while (true) {
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) {
      ::close(fd);
      return got == 0 ? std::optional<std::string>(std::move(bytes)) : std::nullopt;
    }
    bytes.append(buffer, static_cast<std::size_t>(got));
  }
}

bool writeFileAtomically(const std::filesystem::path& path, std::string_view bytes, Durability durability) {
  auto temporary = path;
  temporary += ".tmp";
  std::error_code error;
  if (!writeFile(temporary, bytes, durability)) {
    std::filesystem::remove(temporary, error);
    return false;
  }
  std::filesystem::rename(temporary, path, error);
  if (error) {
    std::filesystem::remove(temporary, error);
    return false;
  }
  if (durability == Durability::UserData) syncFolder(path.parent_path());
  return true;
}

}  // namespace ventelle
