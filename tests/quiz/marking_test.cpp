#include "quiz/marking.h"

#include <gtest/gtest.h>

namespace ventelle {
namespace {

constexpr MarkingRules kFfvl{false, false};
constexpr MarkingRules kDgac{true, false};
constexpr MarkingRules kConform{false, true};

TEST(MarkQuestion, PointsFollowTheExamRules) {
  struct Case {
    const char* situation;
    std::array<int, kMaxAnswers + 1> values;  // slot 0 unused
    std::array<bool, kMaxAnswers + 1> ticks;
    int answerCount;
    MarkingRules rules;
    int points;
  };
  for (const auto& c : {
           Case{"FFVL right and wrong ticked", {0, 6, -2}, {false, true, true}, 2, kFfvl, 4},
           Case{"DGAC right and wrong ticked", {0, 6, -2}, {false, true, true}, 2, kDgac, 0},
           Case{"DGAC full marks", {0, 6, -2}, {false, true, false}, 2, kDgac, 6},
           Case{"DGAC half right", {0, 3, 3}, {false, true, false}, 2, kDgac, 0},
           Case{"two threes ticked", {0, 3, 3, -6}, {false, true, true, false}, 3, kFfvl, 6},
           Case{"wrong ticked, conform", {0, 6, -3}, {false, false, true}, 2, kConform, 0},
           Case{"wrong ticked, not conform", {0, 6, -3}, {false, false, true}, 2, kFfvl, -3},
           Case{"nothing ticked", {0, 6, -2}, {}, 2, kFfvl, 0},
           Case{"ticks past the answers ignored", {0, 6, 0, 0, 0, -6}, {false, true, true, true, true, true}, 1, kFfvl,
                6}})
    EXPECT_EQ(markQuestion(c.values, c.ticks, c.answerCount, c.rules).points, c.points) << c.situation;
}

TEST(MarkQuestion, FlagsMistakesWithTheColourOfTheirMagnitude) {
  const auto mark = markQuestion({0, 6, -2, 3, 0, -1}, {false, true, true, false, true, false}, 5, kFfvl);
  EXPECT_FALSE(mark.answers[1].mistake);
  EXPECT_TRUE(mark.answers[2].mistake);
  EXPECT_EQ(mark.answers[2].mistakeColour, Colour{49407});
  EXPECT_TRUE(mark.answers[3].mistake);  // right answer left unticked
  EXPECT_EQ(mark.answers[3].mistakeColour, Colour{41215});
  EXPECT_FALSE(mark.answers[4].mistake);  // neutral answer ticked
  EXPECT_FALSE(mark.answers[5].mistake);  // wrong answer left unticked
  EXPECT_TRUE(mark.anyMistake);
  EXPECT_EQ(mark.points, 4);

  EXPECT_FALSE(markQuestion({0, 3, 3, -6}, {false, true, true, false}, 3, kFfvl).anyMistake);
}

TEST(MistakeColour, GoesFromYellowToRedByMagnitude) {
  for (const auto& [value, colour] :
       {std::pair<int, std::optional<Colour>>{1, 65535}, {-2, 49407}, {3, 41215}, {-4, 28927}, {5, 20735}, {-6, 255},
        {0, std::nullopt}, {7, std::nullopt}, {-7, std::nullopt}})
    EXPECT_EQ(mistakeColour(value), colour) << value;
}

TEST(MarkOutOf20, RoundsDown) {
  for (const auto& [total, max, mark] : {std::tuple{270, 360, 15}, {359, 360, 19}, {5, 6, 16}, {6, 6, 20},
                                         {-1, 6, -4}, {-6, 12, -10}, {0, 0, 0}})
    EXPECT_EQ(markOutOf20(total, max), mark) << total << "/" << max;
}

}  // namespace
}  // namespace ventelle
