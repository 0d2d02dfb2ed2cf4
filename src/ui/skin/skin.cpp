#include "ui/skin/skin.h"

#include <cmath>

#include "quiz/marking.h"
#include "ui/skin/skin_messages.h"
#include "ui/window/messages.h"

namespace ventelle {
namespace {

const std::string kSkinItemPrefix = "mnuskin";

void setColours(TickBox& box, Colour back, Colour text) {
  box.back = back;
  box.text = text;
}

// The chapter on screen keeps standing out: the box that wore the old
// skin's colours of the drawn chapter wears the new skin's. When the old
// skin did not set that box apart, the chapter of the question on screen
// is the drawn one.
void colourChapterBoxes(WindowContext& ctx, const SkinColours& old) {
  const SkinColours& s = ctx.skin;
  auto& c = ctx.controls;
  c.chaptersBack = s.chapterBack;
  c.chaptersText = s.chapterText;
  const bool oldSetApart = old.drawnChapterBack != old.chapterBack || old.drawnChapterText != old.chapterText;
  for (int k = 1; k <= kChapterBoxes; ++k) {
    TickBox& box = c.partie[k];
    const bool woreDrawn = box.back == old.drawnChapterBack && box.text == old.drawnChapterText;
    const bool drawn = oldSetApart ? woreDrawn : k == ctx.quiz.question.chapter;
    if (drawn) {
      setColours(box, s.drawnChapterBack, s.drawnChapterText);
    } else {
      setColours(box, s.chapterBack, s.chapterText);
    }
  }
}

// The answers of the question on screen shown with their correction: after
// marking in training mode, or in a marked full questionnaire.
bool answersCorrected(const WindowContext& ctx) {
  const QuestionButton& button = ctx.controls.question;
  return button.tag == tags::kQuestion || (button.tag == tags::kButtons && !button.visible);
}

// The answer boxes, and again the mistakes of a corrected question, each on
// the colour of its weight.
void colourAnswerBoxes(WindowContext& ctx) {
  const SkinColours& s = ctx.skin;
  auto& c = ctx.controls;
  c.answersBack = s.answerBack;
  c.answersText = s.answerText;
  for (int k = 1; k <= kMaxAnswers; ++k) setColours(c.check[k], s.answerBack, s.answerText);
  if (!answersCorrected(ctx)) return;
  const Question& q = ctx.quiz.question;
  for (int k = 1; k <= q.answerCount && k <= kMaxAnswers; ++k) {
    const int value = static_cast<int>(std::lround(q.answerValues[k]));
    if (!isMistake(value, c.check[k].ticked)) continue;
    c.check[k].text = s.mistakeText;
    if (const auto colour = mistakeColour(value)) c.check[k].back = *colour;
  }
}

}  // namespace

const std::string& QuestionButtonDress::picture(const std::string& tag) const {
  static const std::string kNone;
  if (tag == tags::kQuestion) return questionPicture;
  if (tag == tags::kEvaluation || tag == tags::kButtons) return evaluationPicture;
  return kNone;
}

Colour QuestionButtonDress::back(const std::string& tag) const {
  if (tag == tags::kQuestion) return questionBack;
  if (tag == tags::kBackToQuestionnaire) return returnBack;
  return evaluationBack;
}

void applySkin(WindowContext& ctx, const Skin& skin) {
  const SkinColours old = ctx.skin;
  ctx.skin = skin.colours;
  const SkinColours& s = ctx.skin;
  auto& c = ctx.controls;
  // A background picture covers the window; its colour stays as it was.
  c.windowPicture = skin.windowPicture;
  if (skin.windowPicture.empty()) c.windowBack = s.windowBack;
  c.question.dress = {skin.questionPicture, skin.evaluationPicture, s.questionButton, s.evaluationButton,
                      s.answerBack};
  colourChapterBoxes(ctx, old);
  colourAnswerBoxes(ctx);
  c.questionText = s.questionText;
  c.numberText = s.numberText;
  c.labelsText = s.labelsText;
}

bool showSkin(WindowContext& ctx, const std::string& name, SkinRequest request) {
  if (request == SkinRequest::Profile) ctx.skinName = name;
  const SkinRead read = readSkin(ctx.library.folder(), name);
  if (const auto* skin = std::get_if<Skin>(&read)) {
    applySkin(ctx, *skin);
    ctx.skinName = name;
    return true;
  }
  if (request == SkinRequest::Menu)
    ctx.dialogs.message(MessageIcon::Exclamation, messages::kWarningTitle,
                        messages::skinNotApplied(name, std::get<SkinFault>(read)));
  return false;
}

std::optional<std::string> skinOfItem(const MenuBar& menus, const std::string& item) {
  if (item.rfind(kSkinItemPrefix, 0) != 0 || item.size() == kSkinItemPrefix.size() || !menus.contains(item))
    return std::nullopt;
  if (item.find_first_not_of("0123456789", kSkinItemPrefix.size()) != std::string::npos) return std::nullopt;
  return shownCaption(menus.at(item).caption);
}

}  // namespace ventelle
