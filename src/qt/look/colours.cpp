#include "qt/look/colours.h"

namespace ventelle {

QColor toQColor(Colour colour) {
  return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                static_cast<int>((colour >> 16) & 0xFF));
}

QString colourStyle(Colour back, Colour text) {
  return QStringLiteral("background-color: %1; color: %2;").arg(toQColor(back).name(), toQColor(text).name());
}

}  // namespace ventelle
