#include "quiz/verdict.h"

#include "core/exam_catalogue.h"

namespace ventelle {
namespace {

int roundHalfEven(int numerator, int denominator) {
  const int quotient = numerator / denominator;
  const int twiceRemainder = 2 * (numerator % denominator);
  if (twiceRemainder > denominator || (twiceRemainder == denominator && quotient % 2 != 0)) return quotient + 1;
  return quotient;
}

int passPercentFor(const MarkingOptions& options, bool instructorCaption) {
  return options.instructorTest && instructorCaption ? 90 : 75;
}

}  // namespace

int TestRules::passMark() const { return roundHalfEven(questionCount * 6 * passPercent, 100); }

TestRules trainingTestRules(const std::string& bankPrefix, const MarkingOptions& options, bool instructorCaption) {
  TestRules rules;
  rules.passPercent = passPercentFor(options, instructorCaption);
  if (options.instructorTest) {
    rules.questionCount = bankPrefix == "ulm\\u" ? 40 : isDgacBank(bankPrefix) ? 60 : 20;
    rules.failure = verdicts::kCheckFailed;
    rules.success = verdicts::kCheckPassed;
  } else {
    rules.questionCount = options.confirmedTest ? 30 : bankPrefix == "ulm\\u" ? 40 : 60;
    rules.failure = verdicts::kExamFailed;
    rules.success = verdicts::kExamPassed;
  }
  return rules;
}

std::optional<std::string> trainingVerdict(const TestRules& rules, StopMode stopMode, int questionsAsked,
                                           int totalPoints) {
  const int n = rules.questionCount;
  const int passMark = rules.passMark();
  const int bestReachable = totalPoints + (n - questionsAsked) * 6;
  const bool lost = bestReachable < passMark;
  const bool stopsOnFailure = stopMode == StopMode::Both || stopMode == StopMode::OnFailure;
  if (lost && stopsOnFailure) return rules.failure;
  if (questionsAsked == n && lost) return rules.failure;
  if (stopMode == StopMode::OnFailure || stopMode == StopMode::Neither) {
    if (questionsAsked == n) return rules.success;
    return std::nullopt;
  }
  if (totalPoints >= passMark) return rules.success;
  return std::nullopt;
}

std::string fullQuestionnaireVerdict(const MarkingOptions& options, bool instructorCaption, int totalPoints,
                                     int maxPoints) {
  const bool passed = totalPoints * 100 >= maxPoints * passPercentFor(options, instructorCaption);
  if (options.instructorTest) return passed ? verdicts::kCheckPassed : verdicts::kCheckFailed;
  return passed ? verdicts::kExamPassed : verdicts::kExamFailed;
}

}  // namespace ventelle
