// The profile of a user with 1,000 mistakes in every chapter of every exam:
// the rewrite after a marking, and the reading of it.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "bank/chapter_library.h"
#include "core/clock_random.h"
#include "silent_seams.h"
#include "ui/main/main_window_model.h"
#include "users/profile_store.h"

namespace {

using namespace ventelle;

class HeavyProfile {
 public:
  // On an empty folder, or on a copy of the shipped one.
  explicit HeavyProfile(bool shipped = false)
      : root_(std::filesystem::temp_directory_path() / "ventelle-bench-profile"), folder_(root_) {
    std::filesystem::remove_all(root_);
    if (shipped) {
      std::filesystem::copy(VENTELLE_DATA_DIR, root_, std::filesystem::copy_options::recursive);
    } else {
      std::filesystem::create_directories(root_);
    }
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

// The user chosen in the "&Fichier" menu: the profile read and applied, the
// exam switched (its chapter files rebuilt) and a first question drawn.
void ChooseHeavyUser(benchmark::State& state) {
  HeavyProfile profile(true);
  SilentDialogs dialogs;
  SilentDesktop desktop;
  SilentPrinter printer;
  ClockRandom random;
  ChapterLibrary library{ProgramFolder(profile.folder().root())};
  MainWindowModel model(dialogs, desktop, random, library, printer);
  model.start();
  for (auto _ : state) model.menuCommand("mnuUtilisateur1");
}

}  // namespace

BENCHMARK(ChooseHeavyUser)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RewriteErrors, without_flush, ventelle::Durability::Derived)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RewriteErrors, flushed_to_disk, ventelle::Durability::UserData)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadProfile)->Unit(benchmark::kMillisecond);
