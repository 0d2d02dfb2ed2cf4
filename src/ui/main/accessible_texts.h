#pragma once
// What a screen reader says of each control of the main window: a French
// name and description by control name. The names that carry a text the
// window shows (the question, the answers, the score, the verdict) follow
// it; a check box's state is the box's own and is not repeated here.
#include <map>
#include <string>

#include "game/goose_game.h"
#include "ui/profile/user_management.h"
#include "ui/window/window_controls.h"

namespace ventelle {

struct AccessibleText {
  std::string name;
  std::string description;

  bool operator==(const AccessibleText&) const = default;
};

// Control name ("Check3", "Question", "Feu2"...) to its text.
using AccessibleTexts = std::map<std::string, AccessibleText>;

// Every control of the main window, the goose board's while a game is open.
AccessibleTexts mainWindowAccessibleTexts(const WindowControls& c, const GooseGame& game);

// Every control of the user-management window.
AccessibleTexts userWindowAccessibleTexts(const UserWindowControls& c);

// "aucune question à revoir", "1 question à revoir", "5 questions à revoir".
std::string questionsToReview(int count);

}  // namespace ventelle
