#pragma once
// The main-window model with recording seams and a steady random rotation,
// over a program folder of its own or over one it is given.
#include <filesystem>

#include "bank/chapter_library.h"
#include "fakes/fixed_clock.h"
#include "fakes/recording_desktop.h"
#include "fakes/recording_dialogs.h"
#include "fakes/recording_print_service.h"
#include "fakes/scripted_random.h"
#include "fakes/temp_folder.h"
#include "ui/main/main_window_model.h"

namespace ventelle {

class ModelOnFolder {
 public:
  // Over a folder made for it: a copy of the folder as shipped, or empty.
  explicit ModelOnFolder(bool shipped = true) : library(ProgramFolder(made(shipped))) {}
  // Over an existing program folder, as a new start of the program would find it.
  explicit ModelOnFolder(const std::filesystem::path& existing) : library(ProgramFolder(existing)) {}

  TempFolder folder;  // the folder made for it; unused over an existing one
  RecordingDialogs dialogs;
  RecordingDesktop desktop;
  RecordingPrintService printer;
  ScriptedRandom random{{0.1, 0.7, 0.3, 0.9, 0.5}};
  FixedClock clock;
  ChapterLibrary library;
  MainWindowModel model{dialogs, desktop, random, library, printer, silentSound(), clock};

 private:
  const std::filesystem::path& made(bool shipped) {
    if (shipped) std::filesystem::copy(VENTELLE_DATA_DIR, folder.path(), std::filesystem::copy_options::recursive);
    return folder.path();
  }
};
using ModelOver = ModelOnFolder;

}  // namespace ventelle
