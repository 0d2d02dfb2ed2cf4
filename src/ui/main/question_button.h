#pragma once
// The question button as the user presses it, by mouse or key.
#include "ui/window/window_context.h"

namespace ventelle {

// In print preparation the press leaves it, whatever is pending; otherwise
// the quiz, or the goose game over it, takes the press.
void pressQuestionButton(WindowContext& ctx);

}  // namespace ventelle
