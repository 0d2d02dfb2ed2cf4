#pragma once
// Puts the default exam on the window at start-up. (Choosing another exam
// comes with the exam menu.)
#include "ui/window_context.h"

namespace ventelle {

void showDefaultExam(WindowContext& ctx);

// The window title: the exam's title and the user it belongs to.
std::string windowTitle(int examIndex, const std::string& activeUserName);

}  // namespace ventelle
