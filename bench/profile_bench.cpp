// The profile of a user with 1,000 mistakes in every chapter of every exam:
// the rewrite after a marking, and the reading of it.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "users/profile_store.h"

namespace {

using namespace ventelle;

class HeavyProfile {
 public:
  HeavyProfile() : root_(std::filesystem::temp_directory_path() / "ventelle-bench-profile"), folder_(root_) {
    std::filesystem::remove_all(root_);
    std::filesystem::create_directories(root_);
    for (const auto& section : errorSections())
      for (int k = 1; k <= section.chapters; ++k)
        for (int n = 1; n <= 1000; ++n) errors_.add({section.exam, k}, std::to_string(100 + n));
    ProfileStore(folder_).rewriteErrors("Lourd", errors_);
  }
  ~HeavyProfile() { std::filesystem::remove_all(root_); }
  const ProgramFolder& folder() const { return folder_; }
  const ErrorLists& errors() const { return errors_; }

 private:
  std::filesystem::path root_;
  ProgramFolder folder_;
  ErrorLists errors_;
};

void RewriteErrors(benchmark::State& state, Durability durability) {
  HeavyProfile profile;
  const ProfileStore store(profile.folder(), durability);
  for (auto _ : state) benchmark::DoNotOptimize(store.rewriteErrors("Lourd", profile.errors()));
}

void ReadProfile(benchmark::State& state) {
  HeavyProfile profile;
  const ProfileStore store(profile.folder());
  for (auto _ : state) benchmark::DoNotOptimize(store.read("Lourd"));
}

}  // namespace

BENCHMARK_CAPTURE(RewriteErrors, without_flush, ventelle::Durability::Derived)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RewriteErrors, flushed_to_disk, ventelle::Durability::UserData)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadProfile)->Unit(benchmark::kMillisecond);
