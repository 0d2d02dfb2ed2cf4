#include <gtest/gtest.h>

#include "progress/progress_report.h"

namespace ventelle {
namespace {

JournalAnswer answer(const std::string& time, const std::string& question, int points, bool right,
                     const std::string& questionnaire = "", int exam = 7) {
  const AnswerMode mode = questionnaire.empty() ? AnswerMode::Training : AnswerMode::Questionnaire;
  return {time, exam, 1, question, points, 6, right, mode, questionnaire};
}

TEST(ProgressReport, MarksEachFullQuestionnaireOutOf20WithNegativePointsAsNothing) {
  const std::vector<JournalAnswer> answers = {
      answer("2026-12-01T10:00:00+01:00", "A", 6, true, "q1"),  answer("2026-12-01T10:00:00+01:00", "B", -6, false, "q1"),
      answer("2026-12-01T11:00:00+01:00", "C", 6, true),        answer("2026-12-02T10:00:00+01:00", "A", 6, true, "q2"),
      answer("2026-12-02T10:00:00+01:00", "B", 3, false, "q2"), answer("2026-12-02T10:00:00+01:00", "C", 6, true, "q3", 8)};
  const auto marks = questionnaireMarks(answers, 7);
  ASSERT_EQ(marks.size(), 2u);
  EXPECT_EQ(marks[0].outOf20, 10);  // 6 of 12
  EXPECT_EQ(marks[1].outOf20, 15);  // 9 of 12
  EXPECT_EQ(marks[1].time, "2026-12-02T10:00:00+01:00");
}

TEST(ProgressReport, RanksTheQuestionsMissedLatelyMostMissedThenLatestFirst) {
  std::vector<JournalAnswer> answers;
  const auto at = [&answers](const std::string& question, bool right) {
    answers.push_back(answer("2026-12-01T10:00:00+01:00", question, right ? 6 : 0, right));
  };
  at("Old", false);
  for (std::size_t k = 0; k < kRecentAnswers; ++k) at("Right", true);  // "Old" is no longer recent
  at("A", false), at("B", false), at("A", false), at("C", false), at("B", true), at("A", true);
  const auto missed = mostMissed(answers, 7, 2);
  ASSERT_EQ(missed.size(), 2u);
  EXPECT_TRUE(missed[0].question == "A" && missed[0].misses == 2 && missed[0].answers == 3);
  EXPECT_EQ(missed[1].question, "C");  // missed once, after B's miss
}

TEST(ProgressReport, KeepsTheLastChanceOfADayAndFindsTheLastDayWithoutOne) {
  Journal journal;
  journal.answers = {answer("2026-12-01T10:00:00+01:00", "A", 6, true), answer("2026-12-03T23:59:00+01:00", "A", 0, false),
                     answer("2026-12-04T00:01:00+01:00", "A", 6, true), answer("2026-12-05T09:00:00+01:00", "A", 6, true, "", 8)};
  journal.chances = {{"2026-12-01", 7, 40, 9}, {"2026-12-01", 7, 45, 8}, {"2026-12-01", 8, 10, 5}};
  EXPECT_EQ(chanceHistory(journal, 7), (std::vector<JournalChance>{{"2026-12-01", 7, 45, 8}}));
  EXPECT_EQ(dayMissingItsChance(journal, 7, "2026-12-04"), "2026-12-03");
  EXPECT_EQ(dayMissingItsChance(journal, 7, "2026-12-05"), "2026-12-04");
  EXPECT_EQ(dayMissingItsChance(journal, 7, "2026-12-02"), std::nullopt);  // the 1st has its figure
  EXPECT_EQ(answersUpTo(journal.answers, "2026-12-03").size(), 2u);
}

}  // namespace
}  // namespace ventelle
