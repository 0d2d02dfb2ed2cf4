// One training cycle (draw, load, mark) on generated chapters of growing size.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "bank/chapter_library.h"
#include "core/clock_random.h"
#include "core/exam_catalogue.h"
#include "silent_seams.h"
#include "ui/main/main_window_model.h"

namespace {

using namespace ventelle;

// A program folder whose eight modules of the default exam hold n questions each.
std::filesystem::path makeProgramFolder(int n) {
  const auto root = std::filesystem::temp_directory_path() / ("ventelle-bench-" + std::to_string(n));
  std::filesystem::create_directories(root / "2004");
  for (const int module : modulesOf(kDefaultExam)) {
    std::ofstream out(root / "2004" / (std::to_string(module) + ".qcm"), std::ios::binary);
    for (int q = 1; q <= n; ++q) {
      out << "[" << module * 100000 + q << "]\r\n"
          << "Question=Question " << q << " du module " << module << " ?\r\n"
          << "Cmt=Un commentaire\r\n"
          << "Bonne réponse=6\r\nMauvaise réponse=-2\r\nRéponse dangereuse=-6\r\nAutre=-1\r\n\r\n";
    }
  }
  return root;
}

void trainingCycle(benchmark::State& state, bool chapterPriority) {
  const int n = static_cast<int>(state.range(0));
  const auto root = makeProgramFolder(n);
  SilentDialogs dialogs;
  SilentDesktop desktop;
  SilentPrinter printer;
  ClockRandom random;
  ChapterLibrary library{ProgramFolder(root)};
  MainWindowModel model(dialogs, desktop, random, library, printer);
  model.start();
  model.menuCommand(chapterPriority ? "mnuTChap" : "mnuTQuest");
  model.menuCommand("mnuCompletRE1");  // no early stop: the test runs its 60 questions
  model.menuCommand("mnuCompletRE2");
  int cycles = 0;
  for (auto _ : state) {
    if (++cycles % 50 == 0) model.menuCommand("mnuReinitialiser");
    model.checkClick(1);
    model.questionClick();  // mark
    model.questionClick();  // draw and load the next question
  }
  state.SetItemsProcessed(state.iterations());
  std::filesystem::remove_all(root);
}

void ChapterPriority(benchmark::State& state) { trainingCycle(state, true); }
void QuestionPriority(benchmark::State& state) { trainingCycle(state, false); }

}  // namespace

BENCHMARK(ChapterPriority)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(QuestionPriority)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
