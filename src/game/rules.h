#pragma once
// The rules of the goose game as pure functions: moving a pawn, what a square
// does to the player who lands on it, the points of an answer under the
// countdown, icon progress and the win. The turn machine applies them.
#include <array>
#include <string_view>

#include "core/random_source.h"
#include "game/board.h"

namespace ventelle {

// --- Chance ---------------------------------------------------------------

// The square where all pawns start, drawn once for the game.
int drawStartSquare(RandomSource& random);

// The die's next face: drawn again while it equals the face shown, so two
// faces in a row always differ, even with a random source stuck on one value.
int rollDie(RandomSource& random, int shownFace);

// --- Moving -------------------------------------------------------------

// The square a pawn steps onto next. The track is a loop: the square after
// 68 is 1.
int squareAfter(int square);

// --- Landing --------------------------------------------------------------

namespace game_sounds {
inline constexpr std::string_view kDie = "dé.wav";
inline constexpr std::string_view kStep = "drapeau.wav";
inline constexpr std::string_view kPlayAgain = "rejoue.wav";
inline constexpr std::string_view kBonus = "+1000.wav";
inline constexpr std::string_view kPenalty = "-1000.wav";
inline constexpr std::string_view kTick = "timer.wav";
inline constexpr std::string_view kTimeOut = "gong.wav";
inline constexpr std::string_view kWon = "gagne.wav";
}  // namespace game_sounds

constexpr int kBonusPoints = 1000;

// What landing on a square does to the player: a sound, points, another
// roll, or a question of a chapter under the countdown (chapter 0: none).
struct Landing {
  SquareKind kind;
  std::string_view sound;  // empty for a question
  int points = 0;
  bool playsAgain = false;
  int chapter = 0;
};

Landing landingOn(int square);

// --- Countdown and points -------------------------------------------------

// The countdown runs 42 ticks and shows 20 down to 00.
constexpr int kCountdownTicks = 42;
// An answer counts at most the ticks left after the first tick.
constexpr int kMaxTicksLeft = kCountdownTicks - 1;

// Ten points per mark point per tick left: a fully right answer (6) after one
// tick earns 2460, at time-out 0. A negative mark takes points away.
int answerPoints(int mark, int ticksLeft);

// The two digits the countdown shows with that many ticks left.
struct CountdownDigits {
  int tens;
  int units;
};
CountdownDigits countdownDigits(int ticksLeft);

// --- Icons and the win ------------------------------------------------------

// Only a fully right answer fills an icon.
constexpr int kFullMark = 6;

// Icon levels of one player, category 1 at index 0.
using IconLevels = std::array<int, kCategoryCount>;

// The level of category k's icon after a fully right answer in it; a complete
// icon stays complete.
int raisedIconLevel(int k, int level);

// The result of an answer on the icons: the levels after it, their sum, and
// whether the player rolls again (any fully right answer, even on a complete
// icon). The game's icon total, which decides the win, takes this sum only
// after a fully right answer.
struct IconOutcome {
  IconLevels levels;
  int total;
  bool playsAgain;
};
IconOutcome iconsAfterAnswer(const IconLevels& levels, int k, int mark);

int iconTotal(const IconLevels& levels);

// All nine icons complete.
constexpr int kWinningIconTotal = kCategoryCount * kCompleteLevel;
bool isWinningTotal(int total);

// --- Turns ---------------------------------------------------------------

// Whose turn comes next among players 1..playerCount: the same player again
// after a replay, else the following one, after the last the first.
int nextPlayer(int current, int playerCount, bool playsAgain);

}  // namespace ventelle
