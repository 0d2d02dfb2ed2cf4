#pragma once
// Choosing the next question: a chapter among the ticked ones, then a
// question in it, or a question the user got wrong there before.
#include "ui/window/window_context.h"

namespace ventelle {

// Hides the paperclips, then draws and loads the next question; sets
// redrawRequested whenever nothing new was loaded (no chapter ticked, or a
// chapter file that cannot be read).
void drawQuestion(WindowContext& ctx);

}  // namespace ventelle
