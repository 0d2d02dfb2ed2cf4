#pragma once
// Full-questionnaire mode: the questions of one test stand behind numbered
// buttons and are marked together.
#include "ui/window/window_context.h"

namespace ventelle {

// Bouton_Click: shows question i of the questionnaire (drawing it the first
// time); i = 0 only stores the question shown.
void boutonClick(WindowContext& ctx, int i);

// The question button's press in this mode: marks the whole test once every
// question is answered.
void fullQuestionnaireQuestionClick(WindowContext& ctx);

// EvaluationComplete: marks every question of the test and gives the verdict.
void evaluateWholeQuestionnaire(WindowContext& ctx);

}  // namespace ventelle
