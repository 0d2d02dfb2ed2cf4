#pragma once
// The series the progress window shows, read from the journal for one exam.
#include <optional>
#include <string>
#include <vector>

#include "progress/journal.h"

namespace ventelle {

// One full questionnaire marked, by the time it was marked.
struct QuestionnaireMark {
  std::string time;
  int outOf20 = 0;
};

// Negative points count as 0, as the exam's own marking counts them.
std::vector<QuestionnaireMark> questionnaireMarks(const std::vector<JournalAnswer>& answers, int exam);

struct MissedQuestion {
  int chapter = 0;
  std::string question;
  int misses = 0;   // among the recent answers
  int answers = 0;
};

// How many of the exam's latest answers "lately" means.
inline constexpr std::size_t kRecentAnswers = 500;

// The questions most often missed among the exam's recent answers, the
// most missed first, the latest missed first among equals.
std::vector<MissedQuestion> mostMissed(const std::vector<JournalAnswer>& answers, int exam, std::size_t count = 10);

// The chance recorded for each day, the last of the day, oldest first.
std::vector<JournalChance> chanceHistory(const Journal& journal, int exam);

// The last day before today with answers to the exam and no chance recorded
// for it, if any: its chance is to be recorded now.
std::optional<std::string> dayMissingItsChance(const Journal& journal, int exam, const std::string& today);

// The answers given up to the end of that day.
std::vector<JournalAnswer> answersUpTo(const std::vector<JournalAnswer>& answers, const std::string& day);

}  // namespace ventelle
