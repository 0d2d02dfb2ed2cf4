#include "quiz/verdict.h"

#include <gtest/gtest.h>

namespace ventelle {
namespace {

using namespace verdicts;

MarkingOptions withTests(bool confirmed, bool instructor) {
  MarkingOptions options;
  options.confirmedTest = confirmed;
  options.instructorTest = instructor;
  return options;
}

TEST(TrainingTestRules, SizeThePassMarkAndTexts) {
  for (const auto& [bankPrefix, confirmed, instructor, caption, questionCount, passMark, failure] :
       {std::tuple{"2004\\4", false, false, false, 60, 270, &kExamFailed},
        {"2004\\4", false, false, true, 60, 270, &kExamFailed}, {"ulm\\u", false, false, false, 40, 180, &kExamFailed},
        {"ulm\\u", true, false, false, 30, 135, &kExamFailed}, {"ulm\\u", false, true, true, 40, 216, &kCheckFailed},
        {"ulm\\u", false, true, false, 40, 180, &kCheckFailed},
        {"planeur\\p", false, true, true, 60, 324, &kCheckFailed},
        {"avion\\a", false, true, false, 60, 270, &kCheckFailed},
        {"2000\\n", false, true, true, 20, 108, &kCheckFailed},
        {"manuel\\", true, true, false, 20, 90, &kCheckFailed}}) {
    const TestRules rules = trainingTestRules(bankPrefix, withTests(confirmed, instructor), caption);
    SCOPED_TRACE(testing::Message() << bankPrefix << " confirmed " << confirmed << " instructor " << instructor
                                    << " caption " << caption);
    EXPECT_EQ(rules.questionCount, questionCount);
    EXPECT_EQ(rules.passMark(), passMark);
    EXPECT_EQ(rules.failure, *failure);
    EXPECT_EQ(rules.success, failure == &kExamFailed ? kExamPassed : kCheckPassed);
  }
}

TEST(PassMark, RoundsHalvesToEven) {
  EXPECT_EQ((TestRules{1, 75, "", ""}.passMark()), 4);   // 4.5
  EXPECT_EQ((TestRules{3, 75, "", ""}.passMark()), 14);  // 13.5
  EXPECT_EQ((TestRules{5, 75, "", ""}.passMark()), 22);  // 22.5
  EXPECT_EQ((TestRules{1, 90, "", ""}.passMark()), 5);   // 5.4
}

using enum StopMode;

// Before the last question the verdict depends on the stop mode; at the last
// one it is always given.
TEST(TrainingVerdict, FollowsTheStopModeUntilTheLastQuestion) {
  // Questions in the test (60: pass mark 270, 30: 135), stop mode, questions asked, total, verdict.
  const std::optional<std::string> none;
  for (const auto& [questionCount, stopMode, asked, total, verdict] :
       {std::tuple{60, OnFailure, 20, 60, none},  // best reachable 300
        {60, OnFailure, 20, 10, kExamFailed}, {60, Both, 20, 10, kExamFailed}, {60, OnSuccess, 20, 10, none},
        {60, Neither, 20, 10, none}, {60, Both, 20, 30, none},  // best reachable exactly 270
        {60, Both, 20, 29, kExamFailed}, {60, Both, 46, 270, kExamPassed}, {60, OnFailure, 46, 270, none},
        {60, Neither, 46, 270, none}, {30, OnSuccess, 23, 135, kExamPassed}, {30, OnSuccess, 23, 134, none},
        {60, OnFailure, 60, 270, kExamPassed}, {60, Neither, 60, 270, kExamPassed},
        {60, OnSuccess, 60, 269, kExamFailed}, {60, Neither, 60, 269, kExamFailed}}) {
    const TestRules rules{questionCount, 75, kExamFailed, kExamPassed};
    EXPECT_EQ(trainingVerdict(rules, stopMode, asked, total), verdict)
        << "mode " << static_cast<int>(stopMode) << " after " << asked << " at " << total;
  }
}

TEST(FullQuestionnaireVerdict, ComparesTheTotalWithTheUnroundedPassMark) {
  // Instructor test, its caption, total, maximum, verdict.
  for (const auto& [instructor, caption, total, max, verdict] :
       {std::tuple{false, false, 135, 180, kExamPassed}, {false, false, 134, 180, kExamFailed},
        {false, false, 4, 6, kExamFailed},  // pass mark 4.5
        {false, false, 5, 6, kExamPassed}, {false, true, 135, 180, kExamPassed}, {true, true, 162, 180, kCheckPassed},
        {true, true, 161, 180, kCheckFailed}, {true, false, 135, 180, kCheckPassed}})
    EXPECT_EQ(fullQuestionnaireVerdict(withTests(false, instructor), caption, total, max), verdict)
        << total << "/" << max << " instructor " << instructor << " caption " << caption;
}

}  // namespace
}  // namespace ventelle
