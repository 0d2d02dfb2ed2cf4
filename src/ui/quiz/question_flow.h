#pragma once
// The question button and the answer boxes.
#include "ui/window/window_context.h"

namespace ventelle {

// Question_Click outside print preparation: marks the question shown or
// fetches the next one, by the button's state.
void questionClick(WindowContext& ctx);

// Check_Click: the user has just toggled answer box i; refuses late changes.
void checkClick(WindowContext& ctx, int i);

// delta_parapente_Click: passes the question on screen.
void wingClick(WindowContext& ctx);

void setEvaluationState(WindowContext& ctx);
void setNextQuestionState(WindowContext& ctx);

}  // namespace ventelle
