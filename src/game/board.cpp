#include "game/board.h"

#include <stdexcept>

namespace ventelle {
namespace {

constexpr int P = kPlayAgainTag;
constexpr int B = kBonusTag;
constexpr int M = kPenaltyTag;

// Square 1 at the top-left corner; the track winds clockwise and comes back
// beside it at square 68.
constexpr std::array<BoardSquare, kSquareCount> kBoard = {{
    {0, 0, B},  {1, 0, 2},  {2, 0, 4},  {3, 0, 5},  {4, 0, P},  {5, 0, 7},  {6, 0, 1},    // 1-7
    {7, 0, 9},  {8, 0, 8},  {8, 1, M},  {8, 2, 2},  {8, 3, 1},  {8, 4, 7},  {9, 4, B},    // 8-14
    {10, 4, 3}, {10, 3, 5}, {10, 2, P}, {10, 1, 7}, {10, 0, 2}, {11, 0, 8}, {12, 0, B},   // 15-21
    {13, 0, 9}, {14, 0, 1}, {15, 0, 7}, {15, 1, 2}, {15, 2, 5}, {14, 2, M}, {13, 2, 1},   // 22-28
    {12, 2, 8}, {12, 3, B}, {12, 4, 4}, {13, 4, 9}, {14, 4, 2}, {15, 4, P}, {15, 5, 1},   // 29-35
    {15, 6, M}, {14, 6, 3}, {13, 6, 5}, {12, 6, 7}, {11, 6, 8}, {10, 6, B}, {9, 6, 9},    // 36-42
    {8, 6, 1},  {7, 6, P},  {6, 6, 7},  {6, 5, 2},  {6, 4, 5},  {6, 3, 1},  {6, 2, 7},    // 43-49
    {5, 2, M},  {4, 2, 8},  {3, 2, 6},  {2, 2, 2},  {2, 3, B},  {2, 4, 1},  {3, 4, 7},    // 50-56
    {4, 4, 3},  {4, 5, 9},  {4, 6, P},  {3, 6, 5},  {2, 6, 7},  {1, 6, B},  {0, 6, 2},    // 57-63
    {0, 5, 8},  {0, 4, M},  {0, 3, 1},  {0, 2, 9},  {0, 1, 8},                            // 64-68
}};

constexpr std::array<Category, kCategoryCount> kCategories = {{
    {"Météo", "meteo", 4},
    {"Mécavol générale", "rfa", 4},
    {"Mécavol parapente", "polaire", 3},
    {"Matériel général", "gps", 2},
    {"Matériel parapente", "parapente", 4},
    {"Cerf Volant", "cerf-volant", 1},
    {"Réglementation", "reglementation", 4},
    {"Pilotage général", "ptu", 4},
    {"Pilotage parapente", "pilote", 4},
}};

}  // namespace

const BoardSquare& boardSquare(int n) {
  if (n < 1 || n > kSquareCount) throw std::out_of_range("square " + std::to_string(n));
  return kBoard[n - 1];
}

int squareLeft(int n) { return kBoardMarginTwips + kCellTwips * boardSquare(n).column; }
int squareTop(int n) { return kBoardMarginTwips + kCellTwips * boardSquare(n).row; }

SquareKind kindOfTag(int tag) {
  switch (tag) {
    case kPlayAgainTag: return SquareKind::PlayAgain;
    case kBonusTag: return SquareKind::Bonus;
    case kPenaltyTag: return SquareKind::Penalty;
    default: return SquareKind::Chapter;
  }
}

std::string tagText(int tag) { return std::to_string(tag); }

const Category& category(int k) {
  if (k < 1 || k > kCategoryCount) throw std::out_of_range("category " + std::to_string(k));
  return kCategories[k - 1];
}

std::string squarePicture(int tag) {
  switch (kindOfTag(tag)) {
    case SquareKind::PlayAgain: return "rejoue.gif";
    case SquareKind::Bonus: return "+1000.gif";
    case SquareKind::Penalty: return "-1000.gif";
    case SquareKind::Chapter: break;
  }
  return std::string(category(tag).picture) + ".gif";
}

std::string iconPicture(int k, int level) {
  const std::string stem(category(k).picture);
  if (level <= 0) return "-" + stem + ".gif";
  if (level >= kCompleteLevel || level >= category(k).levelsToComplete) return stem + ".gif";
  return stem + std::to_string(level) + ".gif";
}

int panelLeft(int p) {
  static constexpr std::array<int, kMaxPlayers> kLefts = {120, 1880, 4980, 6730};
  if (p < 1 || p > kMaxPlayers) throw std::out_of_range("player " + std::to_string(p));
  return kLefts[p - 1];
}

Place panelPawn(int p) { return {panelLeft(p) + kCellTwips, 3900}; }
Place panelName(int p) { return {panelLeft(p) + 120, 4400}; }
Place panelScore(int p) { return {panelLeft(p) + 110, 4760}; }

Place panelIcon(int p, int k) {
  category(k);  // refuses a category outside 1..9
  return {panelLeft(p) + kCellTwips * ((k - 1) % 3), 5200 + kCellTwips * ((k - 1) / 3)};
}

}  // namespace ventelle
