#pragma once
// A file that cannot be read, as one the user has no right to read. Its
// permissions take every right away and, while one lives, the thread gives up
// the administrator's power to pass over them, so that it holds when the
// tests run as root too. Everything is given back when it ends.
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace ventelle {

class UnreadableFile {
 public:
  explicit UnreadableFile(std::filesystem::path file) : file_(std::move(file)) {
    permissions_ = std::filesystem::status(file_).permissions();
    std::filesystem::permissions(file_, std::filesystem::perms::none);
    if (capabilities(SYS_capget)) {
      saved_[0] = data_[0];
      data_[0].effective &= ~(1u << CAP_DAC_OVERRIDE | 1u << CAP_DAC_READ_SEARCH);
      dropped_ = capabilities(SYS_capset);
    }
  }
  ~UnreadableFile() {
    if (dropped_) {
      data_[0] = saved_[0];
      capabilities(SYS_capset);
    }
    std::error_code error;
    std::filesystem::permissions(file_, permissions_, error);
  }
  UnreadableFile(const UnreadableFile&) = delete;
  UnreadableFile& operator=(const UnreadableFile&) = delete;

  // False where this process may read the file all the same: a test then skips.
  bool holds() const { return !std::ifstream(file_).is_open(); }

 private:
  bool capabilities(long call) {
    header_ = {_LINUX_CAPABILITY_VERSION_3, 0};
    return ::syscall(call, &header_, data_) == 0;
  }

  std::filesystem::path file_;
  std::filesystem::perms permissions_{};
  __user_cap_header_struct header_{};
  __user_cap_data_struct data_[2]{};
  __user_cap_data_struct saved_[2]{};
  bool dropped_ = false;
};

}  // namespace ventelle
