#pragma once
// The chance to pass the exam on screen: its full questionnaire composed as a
// printed one is (the exam's default chapters, drawn by question, none
// twice), at the size its options give, and marked whole under its rules.
#include <optional>
#include <string>
#include <vector>

#include "progress/exam_results.h"
#include "ui/window/window_context.h"

namespace ventelle {

// No estimate before this many answers in the exam's chapters.
inline constexpr int kAnswersBeforeChance = 30;

struct ChanceNow {
  std::optional<PassChance> chance;
  int answersNeeded = 0;  // before there is one
};

// The exam's default chapters with their questions.
std::vector<ChapterQuestions> examChapters(WindowContext& ctx);

SimulatedExamRules simulatedExamRules(const WindowContext& ctx);

// From these answers of the user's journal.
ChanceNow passChanceOf(WindowContext& ctx, const std::vector<JournalAnswer>& answers);

// The chance as the journal keeps it for that day, in whole percent.
JournalChance chanceOfDay(const std::string& day, int exam, const PassChance& chance);

// "Chance de réussite à l'examen : 72 % (± 6)", or how many more answers it needs.
std::string chanceText(const ChanceNow& now);

// The chance at the end of the last day the user answered this exam, into the
// journal, unless it is there already: one figure a day for the history.
void recordMissingChance(WindowContext& ctx);

}  // namespace ventelle
