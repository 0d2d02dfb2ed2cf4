#include "core/file_io.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

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

// Renames the file to a name that must not be taken; errno tells why not.
bool renameToUntaken(const std::filesystem::path& from, const std::filesystem::path& to) {
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
  if (errno != EINVAL && errno != ENOSYS) return false;
  // A file system that cannot rename so: a second link, which is never made
  // over a name that is taken, then the first one removed.
  if (::link(from.c_str(), to.c_str()) != 0) return false;
  ::unlink(from.c_str());
  return true;
}

constexpr int kMostNumberedNames = 999;

}  // namespace

FileRead readFile(const std::filesystem::path& path) {
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) return {};
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return {std::nullopt, errno == ENOENT};
  std::string bytes;
  char buffer[1 << 16];
  while (true) {
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) {
      ::close(fd);
      if (got < 0) return {};
      return {std::move(bytes)};
    }
    bytes.append(buffer, static_cast<std::size_t>(got));
  }
}

std::optional<std::string> readFileBytes(const std::filesystem::path& path) { return readFile(path).bytes; }

std::optional<std::filesystem::path> moveToFreeName(const std::filesystem::path& file,
                                                    const std::filesystem::path& base) {
  for (int n = 1; n <= kMostNumberedNames; ++n) {
    auto name = base;
    if (n > 1) name += "-" + std::to_string(n);
    if (renameToUntaken(file, name)) return name;
    if (errno != EEXIST) return std::nullopt;
  }
  return std::nullopt;
}

std::optional<std::filesystem::path> writeUnderFreeName(const std::filesystem::path& base, std::string_view bytes,
                                                        Durability durability) {
  auto temporary = base;
  temporary += ".tmp";
  std::error_code error;
  std::optional<std::filesystem::path> name;
  if (writeFile(temporary, bytes, durability)) name = moveToFreeName(temporary, base);
  if (!name) {
    std::filesystem::remove(temporary, error);
    return std::nullopt;
  }
  if (durability == Durability::UserData) syncFolder(base.parent_path());
  return name;
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
