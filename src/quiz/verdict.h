#pragma once
// Pass marks and verdicts of a test.
#include <optional>
#include <string>

#include "quiz/quiz_state.h"

namespace ventelle {

namespace verdicts {
inline const std::string kExamFailed = "Vous échouez à l'examen.";
inline const std::string kExamPassed = "Vous avez votre brevet !!!";
inline const std::string kCheckFailed = "Echec : Révisez !!!";
inline const std::string kCheckPassed = "Contrôle des connaissances OK";
}  // namespace verdicts

struct TestRules {
  int questionCount = 60;  // N
  int passPercent = 75;    // p
  std::string failure;
  std::string success;
  int passMark() const;    // N x 6 x p, halves to even
};

// The rules of the test in training mode. instructorCaption: the
// instructor-test item reads "Qualification &Instructeur".
TestRules trainingTestRules(const std::string& bankPrefix, const MarkingOptions& options, bool instructorCaption);

// The verdict after a marked question, or nothing while the test goes on.
std::optional<std::string> trainingVerdict(const TestRules& rules, StopMode stopMode, int questionsAsked,
                                           int totalPoints);

// The verdict of a whole questionnaire marked at once.
std::string fullQuestionnaireVerdict(const MarkingOptions& options, bool instructorCaption, int totalPoints,
                                     int maxPoints);

}  // namespace ventelle
