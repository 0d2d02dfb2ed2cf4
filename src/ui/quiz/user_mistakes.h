#pragma once
// The active user's mistakes in their profile: rewritten after every marking,
// read back for the re-asks.
#include <string>

#include "ui/window/window_context.h"

namespace ventelle {

// enregistrefautes: the error lists into the active user's profile.
void writeMistakes(WindowContext& ctx);

// The chapter's error list of the current exam, as the profile holds it.
std::string reaskList(WindowContext& ctx, int chapter);

// The name of that user's profile file, as messages show it.
std::string profileFileName(const WindowContext& ctx, const std::string& user);

// Tells the user that this user's profile could not be written.
void tellUnwritable(WindowContext& ctx, const std::string& user);

}  // namespace ventelle
