#include "progress/journal_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/file_io.h"

namespace ventelle {
namespace {

class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

// What must come before a line appended to a file of that size.
std::string leadFor(int fd, off_t size) {
  if (size == 0) return std::string(kJournalHeader) + "\n";
  char last = '\n';
  if (::pread(fd, &last, 1, size - 1) != 1) return "\n";
  return last == '\n' ? "" : "\n";
}

}  // namespace

bool appendJournalLine(const std::filesystem::path& file, const std::string& line) {
  const Descriptor fd(::open(file.c_str(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC, 0644));
  if (fd.get() < 0) return false;
  struct stat status {};
  if (::fstat(fd.get(), &status) != 0) return false;
  const std::string bytes = leadFor(fd.get(), status.st_size) + line + "\n";
  const ssize_t written = ::write(fd.get(), bytes.data(), bytes.size());
  if (written != static_cast<ssize_t>(bytes.size())) return false;
  return ::fsync(fd.get()) == 0;
}

Journal readJournalFile(const std::filesystem::path& file) {
  const auto bytes = readFileBytes(file);
  return bytes ? readJournal(*bytes) : Journal{};
}

bool removeJournalFile(const std::filesystem::path& file) {
  std::error_code error;
  std::filesystem::remove(file, error);
  return !std::filesystem::exists(file, error);
}

}  // namespace ventelle
