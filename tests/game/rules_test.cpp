#include "game/rules.h"

#include <gtest/gtest.h>

#include "fakes/planned_random.h"

namespace ventelle {
namespace {

TEST(Chance, TheDieNeverShowsTheSameFaceTwiceInARow) {
  PlannedRandom random;
  random.queueDraw(4, 6);
  random.queueDraw(4, 6);
  random.queueDraw(2, 6);
  EXPECT_EQ(rollDie(random, 4), 2);
  EXPECT_EQ(random.pending(), 0u);
  random.queueDraw(68, 68);
  EXPECT_EQ(drawStartSquare(random), 68);
}

TEST(Die, NeverRepeatsTheFaceShownEvenWithAConstantRandomSource) {
  class Constant : public RandomSource {
   public:
    double uniform() override { return 0.5; }  // always face 4
  } constant;
  EXPECT_EQ(rollDie(constant, 4), 5);
  EXPECT_EQ(rollDie(constant, 3), 4);
}

TEST(Track, PassesSquare68OnToSquare1) {
  EXPECT_EQ(squareAfter(67), 68);
  EXPECT_EQ(squareAfter(68), 1);
  EXPECT_EQ(squareAfter(10), 11);
}

struct LandingCase {
  int square;
  SquareKind kind;
  std::string_view sound;
  int points;
  bool playsAgain;
  int chapter;
};

class LandingRule : public ::testing::TestWithParam<LandingCase> {};

TEST_P(LandingRule, DoesWhatItsKindSays) {
  const LandingCase& c = GetParam();
  const Landing landing = landingOn(c.square);
  EXPECT_EQ(landing.kind, c.kind);
  EXPECT_EQ(landing.sound, c.sound);
  EXPECT_EQ(landing.points, c.points);
  EXPECT_EQ(landing.playsAgain, c.playsAgain);
  EXPECT_EQ(landing.chapter, c.chapter);
}

INSTANTIATE_TEST_SUITE_P(
    Squares, LandingRule,
    ::testing::Values(LandingCase{5, SquareKind::PlayAgain, "rejoue.wav", 0, true, 0},
                      LandingCase{1, SquareKind::Bonus, "+1000.wav", 1000, true, 0},
                      LandingCase{14, SquareKind::Bonus, "+1000.wav", 1000, true, 0},
                      LandingCase{65, SquareKind::Penalty, "-1000.wav", -1000, false, 0},
                      LandingCase{52, SquareKind::Chapter, "", 0, false, 6},
                      LandingCase{68, SquareKind::Chapter, "", 0, false, 8}));

struct PointsCase {
  int mark;
  int ticksLeft;
  int points;
};

class CountdownPoints : public ::testing::TestWithParam<PointsCase> {};

TEST_P(CountdownPoints, TenPerMarkPointPerTickLeft) {
  const PointsCase& c = GetParam();
  EXPECT_EQ(answerPoints(c.mark, c.ticksLeft), c.points);
}

INSTANTIATE_TEST_SUITE_P(Answers, CountdownPoints,
                         ::testing::Values(PointsCase{6, 41, 2460},  // "20" still shown
                                           PointsCase{6, 30, 1800},
                                           PointsCase{6, 0, 0},      // time-out
                                           PointsCase{6, 42, 2460},  // before the first tick: no 42nd tick
                                           PointsCase{6, -3, 0},
                                           PointsCase{3, 30, 900},
                                           PointsCase{0, 41, 0},
                                           PointsCase{-2, 30, -600}));  // a negative mark costs points

TEST(Countdown, ShowsHalfTheTicksLeft) {
  EXPECT_EQ(countdownDigits(41).tens, 2);
  EXPECT_EQ(countdownDigits(41).units, 0);
  EXPECT_EQ(countdownDigits(19).tens, 0);
  EXPECT_EQ(countdownDigits(19).units, 9);
  EXPECT_EQ(countdownDigits(0).units, 0);
}

struct CompletionCase {
  int category;
  int answersToComplete;
};

class IconCompletion : public ::testing::TestWithParam<CompletionCase> {};

TEST_P(IconCompletion, AfterItsNumberOfFullyRightAnswers) {
  const int k = GetParam().category;
  IconLevels levels{};
  for (int answer = 1; answer <= GetParam().answersToComplete; ++answer) {
    EXPECT_NE(levels[k - 1], kCompleteLevel) << "complete before answer " << answer;
    const IconOutcome outcome = iconsAfterAnswer(levels, k, kFullMark);
    EXPECT_TRUE(outcome.playsAgain);
    levels = outcome.levels;
  }
  EXPECT_EQ(levels[k - 1], kCompleteLevel);
  EXPECT_EQ(iconTotal(levels), kCompleteLevel);
  // A complete icon stays so, and the right answer still earns another roll.
  const IconOutcome again = iconsAfterAnswer(levels, k, kFullMark);
  EXPECT_EQ(again.levels, levels);
  EXPECT_TRUE(again.playsAgain);
}

INSTANTIATE_TEST_SUITE_P(Categories, IconCompletion,
                         ::testing::Values(CompletionCase{1, 4}, CompletionCase{2, 4}, CompletionCase{3, 3},
                                           CompletionCase{4, 2}, CompletionCase{5, 4}, CompletionCase{6, 1},
                                           CompletionCase{7, 4}, CompletionCase{8, 4}, CompletionCase{9, 4}));

TEST(Icons, OnlyAFullyRightAnswerCounts) {
  const IconLevels levels{1, 0, 0, 0, 0, 0, 0, 0, 0};
  for (int mark : {5, 3, 0, -2}) {
    const IconOutcome outcome = iconsAfterAnswer(levels, 1, mark);
    EXPECT_EQ(outcome.levels, levels) << "mark " << mark;
    EXPECT_FALSE(outcome.playsAgain) << "mark " << mark;
  }
}

TEST(Icons, TheNinthCompleteIconWins) {
  IconLevels levels{4, 4, 4, 4, 4, 4, 4, 4, 3};
  EXPECT_FALSE(isWinningTotal(iconTotal(levels)));
  const IconOutcome outcome = iconsAfterAnswer(levels, 9, kFullMark);
  EXPECT_EQ(outcome.total, 36);
  EXPECT_TRUE(isWinningTotal(outcome.total));
  EXPECT_FALSE(isWinningTotal(0));
}

TEST(Turns, PassRoundThePlayersUnlessOneRollsAgain) {
  EXPECT_EQ(nextPlayer(1, 3, false), 2);
  EXPECT_EQ(nextPlayer(3, 3, false), 1);
  EXPECT_EQ(nextPlayer(2, 3, true), 2);
  EXPECT_EQ(nextPlayer(1, 1, false), 1);
}

}  // namespace
}  // namespace ventelle
