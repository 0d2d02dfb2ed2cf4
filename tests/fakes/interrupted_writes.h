#pragma once
// A disk that fills up part-way through a write, and a process killed in the
// middle of one, for any code that writes files. Both rest on the system's
// limit on the size of the files a process writes: a write that would take a
// file past it stops there, as on a full disk, and the system then either
// fails the write or kills the process.
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <functional>

namespace ventelle {

// While one lives, no file of this process grows past the limit: the write
// that would fails, as it would on a disk with that much room left.
class DiskFullAfter {
 public:
  explicit DiskFullAfter(std::uintmax_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &saved_);
    savedHandler_ = ::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{static_cast<rlim_t>(bytes), saved_.rlim_max};
    ::setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~DiskFullAfter() {
    ::setrlimit(RLIMIT_FSIZE, &saved_);
    ::signal(SIGXFSZ, savedHandler_);
  }
  DiskFullAfter(const DiskFullAfter&) = delete;
  DiskFullAfter& operator=(const DiskFullAfter&) = delete;

 private:
  rlimit saved_{};
  sighandler_t savedHandler_{};
};

// Runs the action in a child process that the system kills as soon as a file
// it writes reaches that many bytes. True when the child died that way, in
// the middle of a write; false when the action ended first.
inline bool killedWhileWriting(std::uintmax_t bytes, const std::function<void()>& action) {
  const pid_t child = ::fork();
  if (child == 0) {
    ::signal(SIGXFSZ, SIG_DFL);
    const rlimit limit{static_cast<rlim_t>(bytes), static_cast<rlim_t>(bytes)};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    action();
    ::_exit(0);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ;
}

}  // namespace ventelle
