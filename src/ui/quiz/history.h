#pragma once
// The list of questions asked and the chapter lights.
#include "ui/window/window_context.h"

namespace ventelle {

// enregistrehistorique: adds the question just marked to the asked
// questions and to the history list.
void recordHistory(WindowContext& ctx);

// Feux: colours each chapter's light by its number of recorded mistakes,
// and tells in each chapter box's tooltip how ready the user is for it.
void refreshChapterLights(WindowContext& ctx);

// Colour of a light for a mistake count: green to 3, orange to 10, then red.
Colour lightColour(int mistakes);

}  // namespace ventelle
