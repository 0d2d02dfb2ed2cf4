#include "game/rules.h"

#include <cstdlib>

#include <gtest/gtest.h>

namespace ventelle {
namespace {

TEST(Board, TheTrackIsALoopOfNeighbouringSquaresPlacedByColumnAndRow) {
  for (int n = 1; n <= kSquareCount; ++n) {
    const BoardSquare& a = boardSquare(n);
    const BoardSquare& b = boardSquare(squareAfter(n));
    EXPECT_EQ(std::abs(a.column - b.column) + std::abs(a.row - b.row), 1) << "square " << n;
  }
  EXPECT_EQ((Place{squareLeft(36), squareTop(36)}), (Place{7890, 3165}));
  EXPECT_THROW(boardSquare(0), std::out_of_range);
  EXPECT_THROW(boardSquare(69), std::out_of_range);
}

TEST(Board, ACategoryNeedsAsManyAnswersAsItHasSquaresUpToFour) {
  for (int k = 1; k <= kCategoryCount; ++k) {
    int squares = 0;
    for (int n = 1; n <= kSquareCount; ++n) squares += boardSquare(n).tag == k;
    EXPECT_EQ(category(k).levelsToComplete, std::min(squares, 4)) << "category " << k;
  }
}

TEST(Board, PicturesFollowTheKindTheCategoryAndTheLevelAndPanelsTheirPlayer) {
  for (const auto& [tag, picture] : {std::pair{0, "rejoue.gif"}, {1000, "+1000.gif"}, {-1000, "-1000.gif"},
                                     {2, "rfa.gif"}})
    EXPECT_EQ(squarePicture(tag), picture);
  for (const auto& [k, level, picture] :
       {std::tuple{1, 0, "-meteo.gif"}, {1, 3, "meteo3.gif"}, {1, 4, "meteo.gif"}, {3, 3, "polaire.gif"},
        {6, 1, "cerf-volant.gif"}, {7, 2, "reglementation2.gif"}})
    EXPECT_EQ(iconPicture(k, level), picture);
  // The players' panels stand side by side, their icons row by row.
  EXPECT_EQ(panelIcon(4, 3), (Place{7780, 5200}));
  EXPECT_EQ(panelIcon(2, 9), (Place{2930, 6250}));
  EXPECT_THROW(panelLeft(5), std::out_of_range);
}

TEST(Die, GivesUpRedrawingTheFaceShownAfterABoundedNumberOfDraws) {
  class Constant : public RandomSource {
    double uniform() override { return 0.5; }  // always face 4
  } constant;
  EXPECT_EQ(rollDie(constant, 4), 5);
  EXPECT_EQ(rollDie(constant, 3), 4);
}

TEST(Countdown, AnAnswerEarnsTenPointsPerMarkPointPerTickLeftAndShowsHalfTheTicks) {
  // Before the first tick there is no 42nd tick to count; a negative mark costs points.
  for (const auto& [mark, ticksLeft, points] :
       {std::tuple{6, 41, 2460}, {6, 42, 2460}, {6, 30, 1800}, {6, 0, 0}, {6, -3, 0}, {3, 30, 900}, {-2, 30, -600}})
    EXPECT_EQ(answerPoints(mark, ticksLeft), points) << mark << " with " << ticksLeft << " ticks left";
  for (const auto& [ticksLeft, shown] : {std::pair{41, 20}, {19, 9}, {0, 0}})
    EXPECT_EQ(countdownDigits(ticksLeft).tens * 10 + countdownDigits(ticksLeft).units, shown) << ticksLeft;
}

TEST(Icons, OnlyAFullyRightAnswerRaisesTheIconUntilItsCategoryIsCompleteAndNineCompleteWin) {
  for (int k = 1; k <= kCategoryCount; ++k) {
    IconLevels levels{};
    for (int answer = 1; answer <= category(k).levelsToComplete; ++answer) {
      EXPECT_NE(levels[k - 1], kCompleteLevel) << "category " << k << " complete before answer " << answer;
      const IconOutcome outcome = iconsAfterAnswer(levels, k, kFullMark);
      EXPECT_TRUE(outcome.playsAgain);
      levels = outcome.levels;
    }
    EXPECT_EQ(iconTotal(levels), kCompleteLevel) << "category " << k;
    // A complete icon stays so, and the right answer still earns another roll.
    EXPECT_EQ(iconsAfterAnswer(levels, k, kFullMark).levels, levels);
    EXPECT_TRUE(iconsAfterAnswer(levels, k, kFullMark).playsAgain);
  }
  const IconLevels levels{1, 0, 0, 0, 0, 0, 0, 0, 0};
  for (int mark : {5, 0, -2}) EXPECT_FALSE(iconsAfterAnswer(levels, 1, mark).playsAgain) << "mark " << mark;
  EXPECT_EQ(iconsAfterAnswer(levels, 1, 5).levels, levels);
  EXPECT_TRUE(isWinningTotal(36));
  EXPECT_FALSE(isWinningTotal(35));
}

TEST(Turns, PassRoundThePlayersUnlessOneRollsAgain) {
  for (const auto& [current, count, again, next] :
       {std::tuple{1, 3, false, 2}, {3, 3, false, 1}, {2, 3, true, 2}, {1, 1, false, 1}})
    EXPECT_EQ(nextPlayer(current, count, again), next) << current << " of " << count;
}

}  // namespace
}  // namespace ventelle
