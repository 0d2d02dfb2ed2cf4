#pragma once
// One goose game, from the players' names to the winner: the phases of a
// turn, the die, the pawns' walk, the countdown and the scores. It is driven
// by the user's events and by the ticks of one timer, never waits and knows
// no window, so a test plays a whole game in a few calls. The quiz that puts
// each question is outside: a tick asks for it, and the quiz hands back the
// mark.
#include <string>
#include <vector>

#include "core/random_source.h"
#include "core/sound.h"
#include "game/rules.h"

namespace ventelle {

struct Player {
  std::string name;
  int square = 0;  // 1..68 once play has started
  int score = 0;
  IconLevels icons{};
};

enum class GamePhase {
  Closed,
  NameEntry,      // the board is up, the names are typed
  WaitingForDie,  // the die may be clicked
  Rolling,        // the die turns
  Moving,         // the pawn walks, one square a tick
  Landing,        // the square's rule comes at the next tick
  Question,       // a question is on screen under the countdown
  Won             // the board stays with the die disabled until closed
};

// What a tick asks of the window around the game.
enum class GameRequest {
  None,
  AskQuestion,      // put a question of questionChapter() on screen
  AnswerForPlayer,  // time is out: validate the answer as ticked now
};

struct GameTimer {
  int intervalMs = 0;
  bool running = false;
  bool operator==(const GameTimer&) const = default;
};

// A name must fit the room of a panel's label, in twips of the window's font.
constexpr int kMaxNameWidthTwips = 1300;

namespace game_timing {
constexpr int kDieMs = 250;
constexpr int kDieTicks = 4;
constexpr int kStepMs = 400;
constexpr int kCountdownMs = 350;
}  // namespace game_timing

class GooseGame {
 public:
  GooseGame(RandomSource& random, Sound& sound) : random_(random), sound_(sound) {}

  // --- Events -------------------------------------------------------------

  // Puts the board up for the first name; false when a game is open already.
  bool open();
  // The name box's text has become `text`, `widthTwips` wide: false when it
  // is too wide, and the box goes back to nameText().
  bool editName(const std::string& text, int widthTwips);
  // Enter in the name box: takes the name, or starts play on an empty box
  // once there is a player. After the fourth name play starts at once.
  void enterName();
  void clickDie();
  GameRequest tick();
  // The quiz has marked the question on screen. Counts once per question,
  // while its countdown runs or at the time-out.
  void answerMarked(int mark);
  // The quiz could put no question on screen: no score, the turn passes.
  void questionUnavailable();
  // The question button pressed to go on after a score; false when no score
  // was waiting for it.
  bool goOn();
  // Ends the game; false when it cannot end now (no game, or a question on
  // screen). No tick follows a close.
  bool close();

  // --- State --------------------------------------------------------------

  GamePhase phase() const { return phase_; }
  bool isOpen() const { return phase_ != GamePhase::Closed; }
  bool isPlaying() const { return isOpen() && phase_ != GamePhase::NameEntry; }
  // The frame of the board: hidden while a question is on screen.
  bool boardVisible() const { return isOpen() && phase_ != GamePhase::Question; }
  // A score waits for the player to press the question button.
  bool scoreWaiting() const { return scoreWaiting_; }

  int entryNumber() const { return entryNumber_; }  // 1..4 while names are typed
  const std::string& nameText() const { return nameText_; }

  const std::vector<Player>& players() const { return players_; }
  int currentPlayer() const { return current_; }  // 1-based; 0 before play
  const Player& current() const { return players_.at(current_ - 1); }

  int dieFace() const { return dieFace_; }  // 0: no face shown
  bool dieEnabled() const { return phase_ == GamePhase::WaitingForDie; }
  CountdownDigits countdown() const { return countdown_; }
  int ticksLeft() const { return ticks_; }
  int questionChapter() const { return questionChapter_; }
  int iconTotal() const { return iconTotal_; }

  // The line under the board: the points of the last answer, or the winner.
  const std::string& pointsText() const { return pointsText_; }
  bool pointsVisible() const { return pointsVisible_; }

  const GameTimer& timer() const { return timer_; }

 private:
  void reset();
  void startPlay();
  void playSound(std::string_view name);
  void rollTick();
  void stepTick();
  GameRequest landingTick();
  GameRequest countdownTick();
  void changeTurn();
  Player& player() { return players_.at(current_ - 1); }

  RandomSource& random_;
  Sound& sound_;
  GamePhase phase_ = GamePhase::Closed;
  int entryNumber_ = 1;
  std::string nameText_;
  std::vector<Player> players_;
  int current_ = 0;
  bool playsAgain_ = false;
  int dieFace_ = 0;
  int ticks_ = 0;
  CountdownDigits countdown_{2, 0};
  int questionChapter_ = 0;
  bool answered_ = false;
  bool scoreWaiting_ = false;
  int iconTotal_ = 0;
  std::string pointsText_;
  bool pointsVisible_ = false;
  GameTimer timer_;
};

}  // namespace ventelle
