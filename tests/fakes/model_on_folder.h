#pragma once
// The main-window model with recording seams and a steady random rotation,
// over a program folder of its own or over one it is given.
#include <filesystem>

#include "bank/chapter_library.h"
#include "fakes/recording_desktop.h"
#include "fakes/recording_dialogs.h"
#include "fakes/recording_print_service.h"
#include "fakes/scripted_random.h"
#include "fakes/temp_folder.h"
#include "ui/main/main_window_model.h"

namespace ventelle {

// The model over an existing program folder, as a new start of the program
// would find it.
class ModelOver {
 public:
  explicit ModelOver(const std::filesystem::path& folder) : library(ProgramFolder(folder)) {}

  RecordingDialogs dialogs;
  RecordingDesktop desktop;
  RecordingPrintService printer;
  ScriptedRandom random{{0.1, 0.7, 0.3, 0.9, 0.5}};
  ChapterLibrary library;
  MainWindowModel model{dialogs, desktop, random, library, printer};
};

// A program folder made for one test: a copy of the folder as shipped, or empty.
class OwnProgramFolder {
 public:
  explicit OwnProgramFolder(bool shipped) {
    if (shipped) std::filesystem::copy(VENTELLE_DATA_DIR, folder.path(), std::filesystem::copy_options::recursive);
  }
  TempFolder folder;
};

class ModelOnFolder : public OwnProgramFolder, public ModelOver {
 public:
  explicit ModelOnFolder(bool shipped = true) : OwnProgramFolder(shipped), ModelOver(folder.path()) {}
};

}  // namespace ventelle
