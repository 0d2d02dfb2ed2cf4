#pragma once
// The exam switch: the one operation that makes an exam current, with the
// inclusion of the lower brevets and the page layout of a questionnaire.
#include <string>

#include "core/page_layout.h"
#include "ui/window/window_context.h"

namespace ventelle {

// The "&Version" menu item of exam i: switches unless the exam is already the
// one selected.
void chooseExam(WindowContext& ctx, int examIndex);

// Makes exam i current: menus, title, chapter files and boxes, lights, and a
// fresh test in the mode on show. Runs even for the exam already current.
void switchExam(WindowContext& ctx, int examIndex);

// CheckFalseVersion: unchecks the exam items and "Inclure..." and takes the
// ">>> " marks off the 2004 submenus.
void checkFalseVersion(WindowContext& ctx);

// "Inclure le(s) QCM(s) inférieur(s)": adds the lower brevets' questions to
// the chapters of a pilot or confirmed brevet, or takes them away again.
void toggleLowerLevels(WindowContext& ctx);

// DetermineMiseEnPage for the current exam and options.
PageLayout determinePageLayout(const WindowContext& ctx);

// The window title: the exam's title and the user it belongs to.
std::string windowTitle(int examIndex, const std::string& activeUserName);
// Between the exam and the user's name in the window title.
inline const std::string kTitleUserSeparator = "               -";

}  // namespace ventelle
