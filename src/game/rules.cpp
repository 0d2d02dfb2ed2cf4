#include "game/rules.h"

#include <algorithm>
#include <numeric>

namespace ventelle {

int drawStartSquare(RandomSource& random) { return random.draw(kSquareCount); }

int rollDie(RandomSource& random, int shownFace) {
  // Redraws are bounded, so a poor random source cannot hang the game: past
  // the bound the face after the one shown is taken.
  constexpr int kMostRedraws = 100;
  int face = random.draw(6);
  for (int redraw = 0; face == shownFace && redraw < kMostRedraws; ++redraw) face = random.draw(6);
  return face == shownFace ? shownFace % 6 + 1 : face;
}

int squareAfter(int square) { return square >= kSquareCount ? 1 : square + 1; }


Landing landingOn(int square) {
  const int tag = boardSquare(square).tag;
  const SquareKind kind = kindOfTag(tag);
  switch (kind) {
    case SquareKind::PlayAgain: return {kind, game_sounds::kPlayAgain, 0, true};
    case SquareKind::Bonus: return {kind, game_sounds::kBonus, kBonusPoints, true};
    case SquareKind::Penalty: return {kind, game_sounds::kPenalty, -kBonusPoints, false};
    case SquareKind::Chapter: break;
  }
  return {kind, {}, 0, false, tag};
}

int answerPoints(int mark, int ticksLeft) { return mark * std::clamp(ticksLeft, 0, kMaxTicksLeft) * 10; }

CountdownDigits countdownDigits(int ticksLeft) {
  const int shown = std::clamp(ticksLeft, 0, kCountdownTicks) / 2;
  return {shown / 10, shown % 10};
}

int raisedIconLevel(int k, int level) {
  // A complete icon is already past the category's last level and stays complete.
  const int raised = level + 1;
  return raised >= category(k).levelsToComplete ? kCompleteLevel : raised;
}

int iconTotal(const IconLevels& levels) { return std::accumulate(levels.begin(), levels.end(), 0); }

IconOutcome iconsAfterAnswer(const IconLevels& levels, int k, int mark) {
  IconOutcome outcome{levels, 0, mark == kFullMark};
  if (outcome.playsAgain) outcome.levels[k - 1] = raisedIconLevel(k, levels[k - 1]);
  outcome.total = iconTotal(outcome.levels);
  return outcome;
}

bool isWinningTotal(int total) { return total == kWinningIconTotal; }

int nextPlayer(int current, int playerCount, bool playsAgain) {
  if (playsAgain) return current;
  return current >= playerCount ? 1 : current + 1;
}

}  // namespace ventelle
