#pragma once
// The default user's profile is made anew at every start and by every goose
// game: a student who saves under it is told, once, where work is kept.
#include "ui/window/window_context.h"

namespace ventelle {

// After a save: for the default user, the first time in this run, says that
// the default profile keeps nothing and offers the user-management window.
// True when the user asked for that window.
bool tellDefaultUserOfReset(WindowContext& ctx);

}  // namespace ventelle
