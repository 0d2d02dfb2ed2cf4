#pragma once
// Marks one question from its answer values and the user's ticks.
#include <array>
#include <optional>

#include "bank/question.h"
#include "quiz/colour.h"

namespace ventelle {

struct AnswerMark {
  bool mistake = false;               // a right answer left unticked or a wrong one ticked
  std::optional<Colour> mistakeColour; // by the magnitude of the value, 1..6
};

struct QuestionMark {
  std::array<AnswerMark, kMaxAnswers + 1> answers{};
  bool anyMistake = false;
  int points = 0;
};

struct MarkingRules {
  bool dgac = false;            // all or nothing: anything but 6 scores 0
  bool examConform = false;     // a negative score becomes 0
};

// Background of a mistake by the magnitude of its value: yellow (1) to red (6).
std::optional<Colour> mistakeColour(int value);

bool isMistake(int value, bool ticked);

QuestionMark markQuestion(const std::array<int, kMaxAnswers + 1>& values,
                          const std::array<bool, kMaxAnswers + 1>& ticks, int answerCount,
                          const MarkingRules& rules);

// Mark out of 20: the whole part, rounded down.
int markOutOf20(int totalPoints, int maxPoints);

}  // namespace ventelle
