#pragma once
// Draws what a skin puts on the main window: the window's background, in
// colour or picture, and the Question button dressed for its state.
#include <QPushButton>
#include <QWidget>

#include "ui/window/window_controls.h"

namespace ventelle {

// The window's background colour, or its picture drawn from the top-left
// corner over that colour.
void drawWindowBackground(QWidget& central, const WindowControls& controls);

// The button's picture for its state without a caption, or its caption on
// the state's colour.
void drawQuestionButton(QPushButton& button, const QuestionButton& model);

}  // namespace ventelle
