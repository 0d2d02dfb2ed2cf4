#pragma once
// The goose board: a closed track of 68 squares laid on a 16 x 7 grid of
// 525-twip cells, and the kinds of square with their pictures. Pure data,
// shared by the rules and by the window that draws the board.
#include <array>
#include <string>
#include <string_view>

namespace ventelle {

constexpr int kSquareCount = 68;
constexpr int kCategoryCount = 9;
constexpr int kCellTwips = 525;
constexpr int kBoardMarginTwips = 15;

// Pictures and sounds of the game lie in this folder of the program folder.
inline constexpr std::string_view kGameFolder = "jeu";

// A square's tag is its kind: a chapter of the "QCM 2000" bank (1..9), or
// one of these.
constexpr int kPlayAgainTag = 0;
constexpr int kBonusTag = 1000;
constexpr int kPenaltyTag = -1000;

enum class SquareKind { Chapter, PlayAgain, Bonus, Penalty };

struct BoardSquare {
  int column;  // 0..15
  int row;     // 0..6
  int tag;
};

// Square n (1..68).
const BoardSquare& boardSquare(int n);
// Top-left corner of square n in twips, relative to the board's frame.
int squareLeft(int n);
int squareTop(int n);

// The kind a tag stands for; any tag other than 0, 1000 and -1000 is a chapter.
SquareKind kindOfTag(int tag);
// The tag as the square holds it: "1".."9", "0", "1000", "-1000".
std::string tagText(int tag);

// One question category: a chapter of the "QCM 2000" bank.
struct Category {
  std::string_view name;     // as the bank titles it
  std::string_view picture;  // stem of its pictures: "meteo" gives "meteo.gif"
  int levelsToComplete;      // fully right answers that complete its icon
};

// Category k (1..9).
const Category& category(int k);

// An icon's level runs from 0 (empty) to kCompleteLevel, whatever the number
// of answers the category needs; a category that needs fewer than four
// answers jumps to complete on its last one.
constexpr int kCompleteLevel = 4;

// Picture of a square of that tag: "meteo.gif", "rejoue.gif", "+1000.gif" ...
std::string squarePicture(int tag);
// Picture of category k's icon at a level: "-meteo.gif" when empty,
// "meteo1.gif".."meteo3.gif" on the way, "meteo.gif" when complete.
std::string iconPicture(int k, int level);

// --- Player panels ----------------------------------------------------------

constexpr int kMaxPlayers = 4;

struct Place {
  int left;
  int top;
  bool operator==(const Place&) const = default;
};

// Player p's panel (p = 1..4) under the track: a copy of the pawn, the name,
// the score and the nine category icons in a 3 x 3 block filled row by row.
int panelLeft(int p);
Place panelPawn(int p);
Place panelName(int p);
Place panelScore(int p);
Place panelIcon(int p, int k);

// Between the panels of players 2 and 3: the die and the pawn of the player
// whose turn it is.
inline constexpr Place kDiePlace{3890, 5425};
inline constexpr Place kTurnPawnPlace{3950, 4650};

}  // namespace ventelle
