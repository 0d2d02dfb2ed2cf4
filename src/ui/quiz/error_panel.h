#pragma once
// The error panel "Erreurs": the questions of one chapter the user got
// wrong, opened over the question by F1 on a chapter box.
#include <string>

#include "ui/window/window_context.h"

namespace ventelle {

// Partie_GotFocus: chapter box i takes the focus and its chapter is the one
// the panel shows.
void selectChapter(WindowContext& ctx, int i);

// F1 on chapter box i: shows the panel with the box's chapter, or hides it.
void toggleErrorPanel(WindowContext& ctx, int i);

// HideErrorPanel; true when the panel was on show.
bool hideErrorPanel(WindowContext& ctx);

// The exam as the panel's caption names it.
std::string errorPanelTitle(const WindowContext& ctx);

}  // namespace ventelle
