// Writing a generated 60-question questionnaire as a PDF, as the preview's
// "save as PDF" and ventelle-print do.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

#include "bank/chapter_library.h"
#include "core/seeded_random.h"
#include "qt/services/qt_print_service.h"
#include "qt_application.h"
#include "silent_seams.h"
#include "ui/main/main_window_model.h"

namespace {

using namespace ventelle;
namespace fs = std::filesystem;

// Keeps the job the print command hands over instead of printing it.
class KeptJob : public PrintService {
 public:
  PrintOutcome print(const PrintJob& job) override {
    kept = job;
    return PrintOutcome::Printed;
  }
  PrintJob kept;
};

void WriteQuestionnairePdf(benchmark::State& state) {
  ensureQtApplication();

  const fs::path root = fs::temp_directory_path() / "ventelle-bench-pdf";
  fs::remove_all(root);
  fs::copy(VENTELLE_DATA_DIR, root, fs::copy_options::recursive);
  SilentDialogs dialogs;
  dialogs.answer = "1";
  SilentDesktop desktop;
  SeededRandom random{1};
  KeptJob printer;
  ChapterLibrary library{ProgramFolder(root)};
  MainWindowModel model(dialogs, desktop, random, library, printer);
  model.start();
  model.menuCommand("mnuGenerer");
  model.menuCommand("mnuImprimeQuestionnaire");
  for (auto _ : state) benchmark::DoNotOptimize(printToPdf(printer.kept, root / "questionnaire.pdf"));
  fs::remove_all(root);
}

}  // namespace

BENCHMARK(WriteQuestionnairePdf)->Unit(benchmark::kMillisecond);
