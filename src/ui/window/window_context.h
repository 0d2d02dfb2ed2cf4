#pragma once
// The state the main window's event procedures share, and the outside world
// they reach through seams.
#include <map>
#include <string>

#include "core/exam_catalogue.h"

#include "bank/chapter_library.h"
#include "core/clock.h"
#include "core/random_source.h"
#include "core/sound.h"
#include "game/goose_game.h"
#include "progress/journal.h"
#include "quiz/error_lists.h"
#include "quiz/quiz_state.h"
#include "ui/window/desktop.h"
#include "ui/window/dialogs.h"
#include "ui/window/print_service.h"
#include "ui/window/skin_colours.h"
#include "ui/window/window_controls.h"
#include "users/user_names.h"

namespace ventelle {

struct WindowContext {
  WindowContext(Dialogs& d, Desktop& t, RandomSource& r, ChapterLibrary& l, PrintService& p,
                Sound& s = silentSound(), Clock& c = systemClock())
      : dialogs(d), desktop(t), random(r), library(l), printer(p), clock(c), game(r, s) {}

  Dialogs& dialogs;
  Desktop& desktop;
  RandomSource& random;
  ChapterLibrary& library;
  PrintService& printer;
  Clock& clock;

  WindowControls controls;
  QuizState quiz;
  ErrorLists errors;
  SkinColours skin;
  int examIndex = 0;
  std::string bankPrefix;
  int reaskPeriod = 8;  // P: one question in P is a re-ask; 0 never
  std::string activeUserName = kDefaultUser;
  std::string skinName = "classique";
  bool profileWriteFailing = false;  // the last write of the profile failed; the user has been told
  bool profileReadFailing = false;   // the last read of the profile failed; the user has been told
  Journal journal;                   // the active user's answers, as written to the journal
  bool journalWriteFailing = false;  // the last write to the journal failed; the user has been told
  bool gameOpen = false;  // a goose game is on the board
  GooseGame game;
  std::map<std::string, bool> enabledBeforeGame;  // the commands a game locks, as they were
  char hoverState = 0;    // 'N' while the wing shows its crossed-out picture, 'Y' once it is back
  bool defaultUserWarned = false;  // told, after a save, that the default profile keeps nothing

  bool trainingMode() const { return controls.menus.at("mnuEvaluation").checked; }
  bool includesLowerLevels() const { return controls.menus.at("mnuInclure").checked; }
  bool instructorCaption() const { return controls.menus.at("mnuQBi").caption == "Qualification &Instructeur"; }
  // Chapters of the current exam: the chapter boxes on show.
  int chapterCount() const {
    int n = 0;
    for (int k = 1; k <= kChapterBoxes; ++k) n += controls.partie[k].visible;
    return n;
  }
  std::string chapterPath(int chapter) const { return chapterFilePath(bankPrefix, chapter); }
};

}  // namespace ventelle
