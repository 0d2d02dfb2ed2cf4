#pragma once
// The active user's profile as the main window uses it: created, loaded,
// saved, and its error lists rewritten after every marking.
#include <string>

#include "ui/window/window_context.h"

namespace ventelle {

// At start-up: profiles of another format are set aside, each user told.
void purgeOtherFormats(WindowContext& ctx);

// Initialise_Utilisateur for that user; tells the user when it cannot be written.
bool initialiseUser(WindowContext& ctx, const std::string& user);

// "&Enregistrer": settings, score, errors and questionnaire into the profile;
// false when nothing was written.
bool saveProfile(WindowContext& ctx);

// "&Reprendre": the active user's profile onto the window.
bool loadProfile(WindowContext& ctx);

// That user's profile onto the window, the user made active. A profile that
// is there but cannot be read is left as it is and the user told; the window
// and the active user stay as they were (false), unless the window holds no
// profile yet, when it takes the built-in settings.
bool loadProfileOf(WindowContext& ctx, const std::string& user);

}  // namespace ventelle
