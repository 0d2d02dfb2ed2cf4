#pragma once
// The colours the window takes from its skin. Until a skin file is read the
// window has this built-in look, which skin/classique.col holds as well.
#include "quiz/colour.h"

namespace ventelle {

struct SkinColours {
  Colour windowBack = 0xE0F0F8;
  Colour questionButton = 0xC0E0C0;
  Colour evaluationButton = 0xA0D0F0;
  Colour chapterBack = 0xF0E8D8;        // chapter frame and boxes
  Colour chapterText = 0x400000;
  Colour drawnChapterBack = 0xB06020;   // box of the chapter on screen
  Colour drawnChapterText = 0xFFFFFF;
  Colour questionText = 0x000000;
  Colour numberText = 0x800000;
  Colour answerBack = 0xFFFFFF;         // answers frame and boxes
  Colour answerText = 0x000000;
  Colour mistakeText = 0x800000;
  Colour labelsText = 0x400000;

  bool operator==(const SkinColours&) const = default;
};

}  // namespace ventelle
