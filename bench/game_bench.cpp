// The goose game's heaviest tick: a landing on a question square, which
// rewrites the default user's profile and loads it, putting a question of
// the "QCM 2000" bank on screen; then the answer and the hand-over.
#include <benchmark/benchmark.h>


#include "bank/chapter_library.h"
#include "core/seeded_random.h"
#include "shipped_folder.h"
#include "silent_seams.h"
#include "ui/main/main_window_model.h"

namespace {

using namespace ventelle;

// Whole turns of a two-player game; the time counted is the model's work on
// the ticks and presses, never the timer's waits.
void GameTurn(benchmark::State& state) {
  ShippedFolder folder("ventelle-bench-game");
  SilentDialogs dialogs;
  SilentDesktop desktop;
  SilentPrinter printer;
  SeededRandom random(7);
  ChapterLibrary library{ProgramFolder(folder.root())};
  MainWindowModel model(dialogs, desktop, random, library, printer);
  model.start();
  model.menuCommand("mnjoueoie");
  for (const char* name : {"Alice", "Bruno"}) {
    model.gameNameEdited(name, 300);
    model.gameNameEntered();
  }
  model.gameNameEntered();
  int questions = 0;
  for (auto _ : state) {
    model.gameDieClick();
    while (model.game().phase() != GamePhase::WaitingForDie) {
      model.gameTick();
      if (model.game().phase() == GamePhase::Question && !model.game().scoreWaiting()) {
        ++questions;
        model.questionClick();
        model.questionClick();
      }
    }
  }
  state.counters["questions"] = benchmark::Counter(questions, benchmark::Counter::kAvgIterations);
}

}  // namespace

BENCHMARK(GameTurn)->Unit(benchmark::kMillisecond);
