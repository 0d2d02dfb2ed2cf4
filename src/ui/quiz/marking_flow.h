#pragma once
// Marking: the points of a question, the running score, the verdict and the
// user's mistakes.
#include "quiz/marking.h"
#include "ui/window/window_context.h"

namespace ventelle {

// EvalueQuestion: shows the values and the mistakes of the question on
// screen, records a mistake, and returns its points.
int evaluateQuestion(WindowContext& ctx);

// MarkQuestion: marks the question on screen in training mode.
void markTrainingQuestion(WindowContext& ctx);

// enregistrelafaute: adds the question on screen to its error list (once).
void recordMistake(WindowContext& ctx);

// Bonne_Reponse: removes the question on screen from its error list.
void recordRightAnswer(WindowContext& ctx);

MarkingRules markingRules(const WindowContext& ctx);

// The score labels from the quiz totals.
void showScore(WindowContext& ctx);

}  // namespace ventelle
