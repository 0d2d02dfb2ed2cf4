#include "quiz/marking.h"

#include <cmath>
#include <cstdlib>

namespace ventelle {

std::optional<Colour> mistakeColour(int value) {
  static constexpr std::array<Colour, 6> kByMagnitude = {65535, 49407, 41215, 28927, 20735, 255};
  const int magnitude = std::abs(value);
  if (magnitude < 1 || magnitude > 6) return std::nullopt;
  return kByMagnitude[magnitude - 1];
}

bool isMistake(int value, bool ticked) { return (value > 0 && !ticked) || (value < 0 && ticked); }

QuestionMark markQuestion(const std::array<int, kMaxAnswers + 1>& values,
                          const std::array<bool, kMaxAnswers + 1>& ticks, int answerCount,
                          const MarkingRules& rules) {
  QuestionMark mark;
  for (int i = 1; i <= answerCount; ++i) {
    if (isMistake(values[i], ticks[i])) {
      mark.answers[i] = {true, mistakeColour(values[i])};
      mark.anyMistake = true;
    }
    if (ticks[i]) mark.points += values[i];
  }
  if (rules.examConform && mark.points < 0) mark.points = 0;
  if (rules.dgac && mark.points != 6) mark.points = 0;
  return mark;
}

int markOutOf20(int totalPoints, int maxPoints) {
  if (maxPoints == 0) return 0;
  return static_cast<int>(std::floor(20.0 * totalPoints / maxPoints));
}

}  // namespace ventelle
