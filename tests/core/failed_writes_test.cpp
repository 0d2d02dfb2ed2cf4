// A write that fails part-way, because the disk fills up or the process is
// killed, leaves the old file whole: readers see the old file or the new one,
// never a mix.
#include <sched.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include <gtest/gtest.h>

#include "core/file_io.h"
#include "fakes/temp_folder.h"

namespace ventelle {
namespace {

// Runs the check in a child process with a private mount table, over a
// 64 KiB memory disk mounted on the folder; the mount goes with the child.
// The child's exit status: 0 when every check held, 1 when one failed, 2
// when no disk could be mounted.
int onSmallDisk(const std::filesystem::path& folder, bool (*check)(const std::filesystem::path&)) {
  const pid_t child = ::fork();
  if (child == 0) {
    if (::unshare(CLONE_NEWNS) != 0 || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        ::mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=64k") != 0)
      ::_exit(2);
    ::_exit(check(folder) ? 0 : 1);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
}

bool fullDiskKeepsTheOldFile(const std::filesystem::path& disk) {
  const auto file = disk / "Marie.ini";
  const std::string old(4000, 'a');
  if (!writeFileAtomically(file, old, Durability::UserData)) return false;
  // The new version no longer fits beside the old one.
  const bool written = writeFileAtomically(file, std::string(100'000, 'b'), Durability::UserData);
  std::error_code error;
  return !written && readFileBytes(file) == old && !std::filesystem::exists(disk / "Marie.ini.tmp", error) &&
         writeFileAtomically(file, std::string(5000, 'c'), Durability::UserData) &&
         readFileBytes(file) == std::string(5000, 'c');
}

TEST(FailedWrites, ADiskThatFillsUpHalfWayKeepsTheOldFileAndLeavesNothingBehind) {
  TempFolder folder;
  const int status = onSmallDisk(folder.path(), fullDiskKeepsTheOldFile);
  if (status == 2) GTEST_SKIP() << "no memory disk can be mounted here (needs root and a mount namespace)";
  EXPECT_EQ(status, 0);
}

TEST(FailedWrites, AProcessKilledWhileWritingLeavesTheOldFileWhole) {
  TempFolder folder;
  const auto file = folder.path() / "Marie.ini";
  const auto temporary = folder.path() / "Marie.ini.tmp";
  const std::string old = "V 6.1,ancien profil\r\n";
  ASSERT_TRUE(writeFileAtomically(file, old, Durability::UserData));

  const pid_t child = ::fork();
  if (child == 0) {
    writeFileAtomically(file, std::string(std::size_t{256} << 20, 'n'), Durability::UserData);
    ::_exit(0);
  }
  // Killed once the new file has begun to reach the disk.
  auto bytesWritten = [&] {
    std::error_code error;
    const auto size = std::filesystem::file_size(temporary, error);
    return error ? 0 : size;
  };
  for (int wait = 0; wait < 2000 && bytesWritten() < (1u << 20); ++wait)
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  ::kill(child, SIGKILL);
  int status = 0;
  ::waitpid(child, &status, 0);
  ASSERT_TRUE(WIFSIGNALED(status)) << "the write ended before it could be killed";

  EXPECT_EQ(readFileBytes(file), old);
  // The next write takes the half-written leftover's place.
  EXPECT_TRUE(writeFileAtomically(file, "V 6.1,nouveau\r\n", Durability::UserData));
  EXPECT_EQ(readFileBytes(file), "V 6.1,nouveau\r\n");
  EXPECT_FALSE(std::filesystem::exists(temporary));
}

}  // namespace
}  // namespace ventelle
