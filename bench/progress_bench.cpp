// The progress window on a year of daily use, and the simulation of the
// chance to pass.
#include <benchmark/benchmark.h>

#include <fstream>
#include <random>

#include "bank/chapter_library.h"
#include "core/clock_random.h"
#include "core/exam_catalogue.h"
#include "progress/journal.h"
#include "progress/pass_simulation.h"
#include "qt/progress/progress_window.h"
#include "qt_application.h"
#include "shipped_folder.h"
#include "silent_seams.h"
#include "ui/main/main_window_model.h"

namespace {

using namespace ventelle;

constexpr int kExam = 7;

// A year of daily use of exam 7: 110 answers a day, a figure a day.
void writeYearOfJournal(ChapterLibrary& library, const std::filesystem::path& file) {
  std::mt19937 random(1);
  std::ofstream out(file);
  out << kJournalHeader << "\n";
  for (int day = 0; day < 365; ++day) {
    char date[11];
    std::snprintf(date, sizeof date, "2026-%02d-%02d", 1 + day / 31 % 12, 1 + day % 28);
    for (int k = 0; k < 110; ++k) {
      const int chapter = 1 + static_cast<int>(random() % 8);
      const ChapterIndex* index = library.chapter(chapterFilePath(examInfo(kExam).bankPrefix, chapter));
      const auto& name = index->headers[random() % index->headers.size()].name;
      const bool right = random() % 4 != 0;
      out << journalLine(JournalAnswer{std::string(date) + "T18:00:00+01:00", kExam, chapter, name, right ? 6 : 0, 6,
                                       right, AnswerMode::Training, ""})
          << "\n";
    }
    out << journalLine(JournalChance{date, kExam, 60, 8}) << "\n";
  }
}

void OpenProgressWindow(benchmark::State& state) {
  ensureQtApplication();
  ShippedFolder folder("ventelle-bench-progress");
  SilentDialogs dialogs;
  SilentDesktop desktop;
  SilentPrinter printer;
  ClockRandom random;
  ChapterLibrary library{ProgramFolder(folder.root())};
  MainWindowModel model(dialogs, desktop, random, library, printer);
  model.start();
  model.initialiseUser("Jean");
  writeYearOfJournal(library, folder.root() / "Jean.journal");
  model.loadUser("Jean");
  for (auto _ : state) {
    ProgressWindow window(model);
    benchmark::DoNotOptimize(window.grab());
  }
}

// A 60-question exam over eight chapters of 60 questions, each answered
// often enough that most questions have results of their own.
void SimulateTenThousandExams(benchmark::State& state) {
  std::vector<ChapterResults> chapters(8);
  for (auto& chapter : chapters) {
    chapter.questionCount = 60;
    for (int k = 0; k < 300; ++k) chapter.chapterPoints.push_back(k % 4 == 0 ? 0 : 6);
    for (int q = 0; q < 40; ++q) chapter.knownQuestions.push_back({6, 6, q % 3 == 0 ? 0 : 6, 6, 3});
  }
  for (auto _ : state) benchmark::DoNotOptimize(estimatePassChance(chapters, {60, false, true, 75}, 42));
}

}  // namespace

BENCHMARK(OpenProgressWindow)->Unit(benchmark::kMillisecond);
BENCHMARK(SimulateTenThousandExams)->Unit(benchmark::kMillisecond);
