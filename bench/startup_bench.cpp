// The exam switch and the start-up sequence, on a copy of the shipped program folder.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "bank/chapter_library.h"
#include "core/clock_random.h"
#include "shipped_folder.h"
#include "silent_seams.h"
#include "ui/help/splash_model.h"
#include "ui/main/main_window_model.h"

namespace {

using namespace ventelle;

// Alternates between the paraglider pilot and confirmed brevets: each switch
// rebuilds eight chapter files and draws a first question.
void ExamSwitch2004(benchmark::State& state) {
  ShippedFolder folder("ventelle-bench-shipped");
  SilentDialogs dialogs;
  SilentDesktop desktop;
  SilentPrinter printer;
  ClockRandom random;
  ChapterLibrary library{ProgramFolder(folder.root())};
  MainWindowModel model(dialogs, desktop, random, library, printer);
  model.start();
  bool pilot = true;
  for (auto _ : state) {
    pilot = !pilot;
    model.menuCommand(pilot ? "mnuPPilote" : "mnuPConfirme");
  }
}

// The whole start-up without a window: the splash's twenty ticks (its tip
// included), then everything up to the first question.
void StartUp(benchmark::State& state) {
  ShippedFolder folder("ventelle-bench-shipped");
  SilentDialogs dialogs;
  SilentDesktop desktop;
  SilentPrinter printer;
  ClockRandom random;
  for (auto _ : state) {
    ChapterLibrary library{ProgramFolder(folder.root())};
    SplashModel splash(library.folder(), random);
    while (!splash.controls().closed) splash.tick();
    MainWindowModel model(dialogs, desktop, random, library, printer);
    model.start();
    benchmark::DoNotOptimize(model.controls().labelQuestion);
  }
}

// "Générer un questionnaire" for the paraglider pilot brevet: the state saved,
// 60 questions drawn and loaded into the history list; then "Retour au
// Questionnaire", not timed.
void GenerateQuestionnaire(benchmark::State& state) {
  ShippedFolder folder("ventelle-bench-shipped");
  SilentDialogs dialogs;
  SilentDesktop desktop;
  ClockRandom random;
  SilentPrinter printer;
  ChapterLibrary library{ProgramFolder(folder.root())};
  MainWindowModel model(dialogs, desktop, random, library, printer);
  model.start();
  for (auto _ : state) {
    model.menuCommand("mnuGenerer");
    state.PauseTiming();
    model.questionClick();
    state.ResumeTiming();
  }
}

}  // namespace

BENCHMARK(GenerateQuestionnaire)->Unit(benchmark::kMillisecond);
BENCHMARK(ExamSwitch2004)->Unit(benchmark::kMillisecond);
BENCHMARK(StartUp)->Unit(benchmark::kMillisecond);
