#pragma once
// Choosing the next question: a chapter among the ticked ones, then a
// question in it, or a question the user got wrong there before.
#include "ui/window_context.h"

namespace ventelle {

// Draws and loads the next question. Sets noChapterSelected when no chapter
// is ticked; sets redrawRequested whenever nothing new was loaded.
void drawQuestion(WindowContext& ctx);

}  // namespace ventelle
