#pragma once
// How the skin dresses the Question button in each of its states: a picture
// of its own, or a colour with the button's caption. The state alone decides
// what is shown, so a change of state never keeps the previous state's dress.
#include <string>

#include "quiz/colour.h"
#include "ui/window/skin_colours.h"

namespace ventelle {

struct QuestionButtonDress {
  std::string questionPicture;    // bpara: the "Question" state
  std::string evaluationPicture;  // bsol: the "Evaluation" and "Boutons" states
  Colour questionBack = SkinColours{}.questionButton;
  Colour evaluationBack = SkinColours{}.evaluationButton;
  Colour returnBack = SkinColours{}.answerBack;  // the "RetourQ" state, never a picture

  // The picture the button shows in the state of that tag; empty when it
  // shows its caption on its colour.
  const std::string& picture(const std::string& tag) const;
  Colour back(const std::string& tag) const;
  // The caption shown: none over a picture.
  std::string shownCaption(const std::string& tag, const std::string& caption) const {
    return picture(tag).empty() ? caption : std::string();
  }

  bool operator==(const QuestionButtonDress&) const = default;
};

}  // namespace ventelle
