#pragma once
// Everything the main window shows, as plain values. The shell draws these
// after every event; nothing here knows of widgets.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "bank/question.h"
#include "quiz/colour.h"
#include "ui/window/menu_bar.h"
#include "ui/window/question_button_dress.h"

namespace ventelle {

// An answer box or a chapter box.
struct TickBox {
  std::string caption;
  bool ticked = false;
  bool visible = false;
  Colour back = 0xFFFFFF;
  Colour text = 0;
  std::string toolTip{};  // chapter boxes: the chapter and how ready the user is for it
};

struct ChapterLight {
  bool visible = false;
  Colour colour = colours::kGreen;
  int mistakes = 0;  // the chapter's questions still got wrong, that the colour tells
};

namespace tags {
inline const std::string kEvaluation = "Evaluation";
inline const std::string kQuestion = "Question";
inline const std::string kButtons = "Boutons";
inline const std::string kBackToQuestionnaire = "RetourQ";
}  // namespace tags

struct QuestionButton {
  std::string tag = tags::kEvaluation;
  std::string caption = "Evaluation";
  std::string toolTip = "notation de la question";
  bool visible = true;
  QuestionButtonDress dress;  // picture or colour, by state, from the skin
};

struct NumberedButton {
  std::string caption;
  std::optional<Colour> back;  // nothing: the desktop's button face
};

constexpr int kChapterBoxes = 9;
constexpr int kQuestionAreaWidth = 6855;  // twips
constexpr int kPictureRightEdge = 8280;   // twips
constexpr int kNormalWindowWidth = 9180;  // twips
constexpr int kGameWindowWidth = 8475;    // twips, while the goose board is up

struct WindowControls {
  std::string title;
  int windowWidth = kNormalWindowWidth;
  bool statisticsVisible = true;  // the score captions and counters

  std::string labelQuestion;
  bool labelQuestionVisible = true;
  int labelQuestionWidth = kQuestionAreaWidth;
  std::string numero;
  std::string picturePath;  // file shown in ImageQuestion, empty when hidden
  int pictureLeft = 0;      // twips
  char wingMark = 0;        // 'P', 'D' or 0 (delta_parapente hidden)
  bool wingCrossed = false; // the wing shows its crossed-out picture: a click passes the question
  bool line1 = false;       // the question is a re-ask

  QuestionButton question;
  std::array<TickBox, kMaxAnswers + 1> check{};      // 1..5
  std::array<std::string, kMaxAnswers + 1> lcheck{};   // 1..5
  bool trombone = false;
  bool tromboneL = false;

  std::string cetteQuestion;
  std::string totalPoints;
  std::string nombrePointsMax;
  std::string moyenne;
  std::string nombreQuestionsPosees;
  std::string final;
  bool finalAtBottom = false;  // full-questionnaire place

  std::vector<std::string> historique;
  int historiqueSelected = -1;
  bool historiqueVisible = true;
  std::string historiqueToolTip;
  bool erreursVisible = false;
  std::string erreursCaption;  // as shown: "&" is an ordinary character here
  std::string afficheErreurs;  // the chapter's mistaken questions, comma separated

  std::array<TickBox, kChapterBoxes + 1> partie{};  // 1..9
  std::array<ChapterLight, kChapterBoxes + 1> feu{};   // 1..9
  Colour chaptersBack = 0xFFFFFF;
  Colour chaptersText = 0;
  Colour answersBack = 0xFFFFFF;
  Colour answersText = 0;
  Colour windowBack = 0xFFFFFF;
  std::string windowPicture;  // file drawn behind the window, over windowBack; empty for none
  Colour labelsText = 0;
  Colour questionText = 0;
  Colour numberText = 0;

  std::vector<NumberedButton> bouton;  // Bouton(1..N) at [0..N-1]
  int gridColumns = 0;
  int gridRows = 0;

  MenuBar menus;
};

}  // namespace ventelle
