#pragma once
// The wing picture answers the mouse: over it, a paraglider or hang-glider
// question shows the crossed-out picture that says a click passes the
// question; elsewhere on the window the normal picture comes back.
#include "ui/window/window_context.h"

namespace ventelle {

// The mouse moves over the window itself, the answers, the chapters or the
// question text. True when the window must be redrawn.
bool mouseOverWindow(WindowContext& ctx);

// The mouse moves over the wing picture. True when the window must be redrawn.
bool mouseOverWing(WindowContext& ctx);

}  // namespace ventelle
