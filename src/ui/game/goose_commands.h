#pragma once
// The goose game inside the main window: the board takes the window over,
// each question of a square goes through the ordinary quiz on the default
// user's profile, and closing gives the quiz back.
#include <string>

#include "ui/window/window_context.h"

namespace ventelle {

// "&Jouer": the board up for the names, the window narrowed, the statistics
// hidden and every command that would change the quiz under the game greyed.
void openGame(WindowContext& ctx);
// "&Fermer": the board down and the default user's quiz back, every command
// as it was before the game.
void closeGame(WindowContext& ctx);

bool editGameName(WindowContext& ctx, const std::string& text, int widthTwips);
void enterGameName(WindowContext& ctx);
void clickGameDie(WindowContext& ctx);
void tickGame(WindowContext& ctx);


// The settings line of the default user's profile for a game question of
// that chapter of the "QCM 2000" bank.
std::string gameSettingsLine(int chapter);

// The window title while it is that player's turn.
std::string gameTitle(const std::string& playerName);

}  // namespace ventelle
