#pragma once
#include <QColor>
#include <QString>

#include "quiz/colour.h"

namespace ventelle {

// 0x00BBGGRR to a Qt colour.
QColor toQColor(Colour colour);

// A style sheet giving a widget these colours.
QString colourStyle(Colour back, Colour text);

}  // namespace ventelle
