#include <gtest/gtest.h>

#include "quiz/marking.h"
#include "quiz/verdict.h"

namespace ventelle {
namespace {

using namespace verdicts;
using enum StopMode;
constexpr MarkingRules kFfvl{false, false};
constexpr MarkingRules kDgac{true, false};
constexpr MarkingRules kConform{false, true};
using Values = std::array<int, kMaxAnswers + 1>;  // slot 0 unused
using Ticks = std::array<bool, kMaxAnswers + 1>;

TEST(MarkQuestion, PointsFollowTheExamRules) {
  for (const auto& [situation, values, ticks, answerCount, rules, points] : {
           std::tuple{"FFVL right and wrong ticked", Values{0, 6, -2}, Ticks{false, true, true}, 2, kFfvl, 4},
           {"DGAC right and wrong ticked", {0, 6, -2}, {false, true, true}, 2, kDgac, 0},
           {"DGAC full marks", {0, 6, -2}, {false, true, false}, 2, kDgac, 6},
           {"wrong ticked, conform", {0, 6, -3}, {false, false, true}, 2, kConform, 0},
           {"wrong ticked, not conform", {0, 6, -3}, {false, false, true}, 2, kFfvl, -3},
           {"ticks past the answers ignored", {0, 6, 0, 0, 0, -6}, {false, true, true, true, true, true}, 1, kFfvl,
            6}})
    EXPECT_EQ(markQuestion(values, ticks, answerCount, rules).points, points) << situation;
}

TEST(MarkQuestion, FlagsMistakesWithTheColourOfTheirMagnitude) {
  const auto mark = markQuestion({0, 6, -2, 3, 0, -1}, {false, true, true, false, true, false}, 5, kFfvl);
  // Right ticked, wrong ticked, right left unticked, neutral ticked, wrong left unticked.
  std::vector<std::optional<Colour>> flagged;
  for (int i = 1; i <= 5; ++i) flagged.push_back(mark.answers[i].mistake ? mark.answers[i].mistakeColour : 0);
  EXPECT_EQ(flagged, (std::vector<std::optional<Colour>>{0, 49407, 41215, 0, 0}));
  EXPECT_TRUE(mark.anyMistake);
  EXPECT_FALSE(markQuestion({0, 3, 3, -6}, {false, true, true, false}, 3, kFfvl).anyMistake);
  for (const auto& [value, colour] : {std::pair{1, 65535u}, {-4, 28927u}, {5, 20735u}, {-6, 255u}, {0, 0u}, {7, 0u}})
    EXPECT_EQ(mistakeColour(value).value_or(0), colour) << value;
}

TEST(MarkOutOf20, RoundsDown) {
  for (const auto& [total, max, mark] :
       {std::tuple{359, 360, 19}, {5, 6, 16}, {6, 6, 20}, {-1, 6, -4}, {-6, 12, -10}, {0, 0, 0}})
    EXPECT_EQ(markOutOf20(total, max), mark) << total << "/" << max;
}

TEST(TrainingTestRules, SizeThePassMarkAndTexts) {
  for (const auto& [bankPrefix, confirmed, instructor, caption, questionCount, passMark] :
       {std::tuple{"2004\\4", false, false, true, 60, 270}, {"ulm\\u", false, false, false, 40, 180},
        {"ulm\\u", true, false, false, 30, 135}, {"ulm\\u", false, true, true, 40, 216},
        {"planeur\\p", false, true, true, 60, 324}, {"avion\\a", false, true, false, 60, 270},
        {"2000\\n", false, true, true, 20, 108}, {"manuel\\", true, true, false, 20, 90}}) {
    const TestRules rules =
        trainingTestRules(bankPrefix, {.confirmedTest = confirmed, .instructorTest = instructor}, caption);
    SCOPED_TRACE(testing::Message() << bankPrefix << confirmed << instructor << caption);
    EXPECT_EQ(rules.questionCount, questionCount);
    EXPECT_EQ(rules.passMark(), passMark);
    EXPECT_EQ(rules.failure + rules.success, instructor ? kCheckFailed + kCheckPassed : kExamFailed + kExamPassed);
  }
  // Halves round to even: 4.5, 13.5, 22.5, then 5.4.
  for (const auto& [count, percent, mark] : {std::tuple{1, 75, 4}, {3, 75, 14}, {5, 75, 22}, {1, 90, 5}})
    EXPECT_EQ((TestRules{count, percent, "", ""}.passMark()), mark) << count << " at " << percent;
}

// Before the last question the verdict depends on the stop mode; at the last
// one it is always given.
TEST(TrainingVerdict, FollowsTheStopModeUntilTheLastQuestion) {
  // Questions in the test (60: pass mark 270, 30: 135), stop mode, questions asked, total, verdict.
  const std::optional<std::string> none;
  for (const auto& [questionCount, stopMode, asked, total, verdict] :
       {std::tuple{60, OnFailure, 20, 60, none},  // best reachable 300
        {60, OnFailure, 20, 10, kExamFailed}, {60, OnSuccess, 20, 10, none}, {60, Neither, 20, 10, none},
        {60, Both, 20, 30, none},  // best reachable exactly 270
        {60, Both, 20, 29, kExamFailed}, {60, Both, 46, 270, kExamPassed}, {60, OnFailure, 46, 270, none},
        {60, Neither, 46, 270, none}, {30, OnSuccess, 23, 135, kExamPassed}, {30, OnSuccess, 23, 134, none},
        {60, Neither, 60, 270, kExamPassed}, {60, OnSuccess, 60, 269, kExamFailed},
        {60, Neither, 60, 269, kExamFailed}}) {
    const TestRules rules{questionCount, 75, kExamFailed, kExamPassed};
    EXPECT_EQ(trainingVerdict(rules, stopMode, asked, total), verdict)
        << "mode " << static_cast<int>(stopMode) << " after " << asked << " at " << total;
  }
}

TEST(FullQuestionnaireVerdict, ComparesTheTotalWithTheUnroundedPassMark) {
  // Instructor test, its caption, total, maximum, verdict; the pass mark of 4 / 6 is 4.5.
  for (const auto& [instructor, caption, total, max, verdict] :
       {std::tuple{false, true, 135, 180, kExamPassed}, {false, false, 134, 180, kExamFailed},
        {false, false, 4, 6, kExamFailed}, {false, false, 5, 6, kExamPassed}, {true, true, 162, 180, kCheckPassed},
        {true, true, 161, 180, kCheckFailed}, {true, false, 135, 180, kCheckPassed}})
    EXPECT_EQ(fullQuestionnaireVerdict({.instructorTest = instructor}, caption, total, max), verdict)
        << total << "/" << max << " " << instructor << caption;
}

}  // namespace
}  // namespace ventelle
