#pragma once
// The main-window model on a program folder of its own, with recording
// seams and a steady random rotation.
#include <filesystem>

#include "bank/chapter_library.h"
#include "fakes/recording_desktop.h"
#include "fakes/recording_dialogs.h"
#include "fakes/recording_print_service.h"
#include "fakes/scripted_random.h"
#include "fakes/temp_folder.h"
#include "ui/main_window_model.h"

namespace ventelle {

class ModelOnFolder {
 public:
  // On a copy of the program folder as shipped, or on an empty folder.
  explicit ModelOnFolder(bool shipped = true) {
    if (shipped) std::filesystem::copy(VENTELLE_DATA_DIR, folder.path(), std::filesystem::copy_options::recursive);
  }

  TempFolder folder;
  RecordingDialogs dialogs;
  RecordingDesktop desktop;
  RecordingPrintService printer;
  ScriptedRandom random{{0.1, 0.7, 0.3, 0.9, 0.5}};
  ChapterLibrary library{ProgramFolder(folder.path())};
  MainWindowModel model{dialogs, desktop, random, library, printer};
};

}  // namespace ventelle
