#pragma once
// The windows are laid out in twips, 15 to a logical pixel, for text of the
// design's size: 9 points at 96 dots per inch. Their fonts are sized in
// logical pixels, so that a larger desktop font keeps every caption inside
// its place; a larger screen scale (QT_SCALE_FACTOR, a high-DPI screen)
// still enlarges the text together with the whole window.
#include <QFont>
#include <cmath>

namespace ventelle {

constexpr double kDesignPoints = 9;

// `base` at that size in points of a 96-dpi screen.
inline QFont layoutFont(QFont base, double points = kDesignPoints) {
  base.setPixelSize(std::max(1, static_cast<int>(std::lround(points * 96.0 / 72.0))));
  return base;
}

// The font `points` larger (or smaller), whether sized in pixels or points.
inline QFont grownFont(QFont font, double points) {
  if (font.pixelSize() > 0) {
    font.setPixelSize(std::max(1, font.pixelSize() + static_cast<int>(std::lround(points * 96.0 / 72.0))));
  } else {
    font.setPointSizeF(std::max(1.0, font.pointSizeF() + points));
  }
  return font;
}

// The font's size in points of a 96-dpi screen.
inline double fontPoints(const QFont& font) {
  return font.pixelSize() > 0 ? font.pixelSize() * 72.0 / 96.0 : font.pointSizeF();
}

}  // namespace ventelle
