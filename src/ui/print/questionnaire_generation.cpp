#include "ui/print/questionnaire_generation.h"

#include <array>
#include <cmath>

#include "ui/exams/exam_switch.h"
#include "ui/exams/options_menu.h"
#include "ui/profile/profile_commands.h"
#include "ui/profile/user_menu.h"
#include "ui/quiz/history.h"
#include "ui/quiz/question_display.h"
#include "ui/quiz/question_draw.h"
#include "ui/quiz/question_flow.h"

namespace ventelle {
namespace {

const std::string kHistoryToolTip = "double-cliquez pour changer une question";
const std::string kLeaveToolTip = "quitte le module d'impression de questionnaire";
const std::string kLeaveCaption = "Retour au Questionnaire";

// Greyed out while a questionnaire is prepared for print, with every user item.
constexpr std::array kLockedItems = {"mnuImprimerErreurs", "mnuGenerer", "mnuOptions", "mnuoie",
                                     "mnuGestionU",        "mnuEnregistrer", "mnuReprendre"};
// Usable only then.
constexpr std::array kComposedPrintItems = {"mnuImprimeQuestionnaire", "mnuImprimeCorrige"};

void lockMenus(WindowContext& ctx, bool locked) {
  auto& menus = ctx.controls.menus;
  for (const char* name : kLockedItems) menus.at(name).enabled = !locked;
  for (const auto& entry : menus.order())
    if (userOfItem(menus, entry.name)) menus.at(entry.name).enabled = !locked;
}

void enableComposedPrintItems(WindowContext& ctx, bool enabled) {
  for (const char* name : kComposedPrintItems) ctx.controls.menus.at(name).enabled = enabled;
}

bool validRow(const WindowContext& ctx, int row) {
  return row >= 0 && row < static_cast<int>(ctx.controls.historique.size()) &&
         row < static_cast<int>(ctx.quiz.askedQuestions.size());
}

// Draws and loads a question; false when none could be loaded.
bool drawFreshQuestion(WindowContext& ctx) {
  ctx.quiz.redrawRequested = false;
  drawQuestion(ctx);
  return !ctx.quiz.redrawRequested;
}

// The question on screen, as it is to be printed, into slot `slot` (0-based).
void recordShownQuestion(WindowContext& ctx, std::size_t slot) {
  const Question& q = ctx.quiz.question;
  QuestionRecord& record = ctx.quiz.questionRecords[slot];
  record.texte = ctx.controls.labelQuestion;
  // A question prints with its picture only if it was shown with it.
  record.nom = ctx.controls.picturePath.empty() ? std::string() : q.name;
  record.nbRep = q.answerCount;
  for (int k = 1; k <= kMaxAnswers; ++k) {
    const bool used = k <= q.answerCount;
    record.rep[k] = used ? ctx.controls.check[k].caption : std::string();
    record.pts[k] = used ? static_cast<int>(std::lround(q.answerValues[k])) : 0;
    record.ordre[k] = used ? q.answerOrder[k] : 0;
  }
}

void enterPrintPreparation(WindowContext& ctx) {
  auto& button = ctx.controls.question;
  button.visible = false;
  button.tag = tags::kBackToQuestionnaire;
  button.toolTip = kLeaveToolTip;
  button.caption = kLeaveCaption;
}

}  // namespace

void selectAllChapters(WindowContext& ctx) {
  auto& c = ctx.controls;
  for (int k = 1; k <= kChapterBoxes && c.partie[k].visible; ++k) {
    // The chapters left out by default are those a questionnaire leaves out.
    c.partie[k].ticked = isChapterTickedByDefault(ctx.bankPrefix, k);
    c.feu[k].visible = c.partie[k].ticked;
  }
}

void generateQuestionnaire(WindowContext& ctx) {
  auto& c = ctx.controls;
  auto& quiz = ctx.quiz;
  c.question.tag = tags::kEvaluation;
  c.question.toolTip = "notation de la question";
  c.historiqueToolTip = kHistoryToolTip;
  saveProfile(ctx);  // refused, with its message, once the test has its verdict
  // Each command replayed here starts the test over; only the questionnaire's
  // own questions are drawn.
  quiz.drawsDeferred = true;
  c.menus.at("mnuEvaluation").checked = false;
  toggleEvaluationMode(ctx);
  lockMenus(ctx, true);
  selectAllChapters(ctx);
  chooseReaskPeriod(ctx, 0);
  chooseDrawMode(ctx, false);
  resetPoints(ctx);
  quiz.drawsDeferred = false;
  enterPrintPreparation(ctx);

  const PageLayout layout = determinePageLayout(ctx);
  const int n = layout.gridColumns * layout.gridRows;
  for (int q = 1; q <= n; ++q) {
    if (!drawFreshQuestion(ctx)) {
      leavePrintPreparation(ctx);
      return;
    }
    recordHistory(ctx);
    recordShownQuestion(ctx, quiz.questionRecords.size() - 1);
  }
  enableComposedPrintItems(ctx, true);
  c.question.visible = true;
}

void leavePrintPreparation(WindowContext& ctx) {
  setEvaluationState(ctx);
  ctx.controls.historiqueToolTip.clear();
  enableComposedPrintItems(ctx, false);
  lockMenus(ctx, false);
  // A profile that cannot be read any more leaves a fresh questionnaire.
  if (!loadProfile(ctx)) resetPoints(ctx);
}

bool inPrintPreparation(const WindowContext& ctx) {
  return ctx.controls.question.tag == tags::kBackToQuestionnaire && ctx.controls.question.visible;
}

void showHistoryEntry(WindowContext& ctx, int row) {
  if (!inPrintPreparation(ctx) || !validRow(ctx, row)) return;
  auto& c = ctx.controls;
  auto& quiz = ctx.quiz;
  c.historiqueSelected = row;
  const AskedQuestion& asked = quiz.askedQuestions[row];
  const QuestionRecord& record = quiz.questionRecords[row];
  const std::string& entry = c.historique[row];
  const std::string name = entry.substr(entry.find('.') + 1);

  colourChapterBox(ctx, quiz.question.chapter, false);
  colourChapterBox(ctx, asked.chapter, true);
  quiz.selectedChapter = asked.chapter;
  Question& q = quiz.question;
  q = Question{};
  q.chapter = asked.chapter;
  q.index = asked.index;
  q.name = name;
  q.text = record.texte;
  q.answerCount = record.nbRep;
  for (int k = 1; k <= record.nbRep; ++k) {
    q.answerTexts[k] = record.rep[k];
    q.answerValues[k] = record.pts[k];
  }

  showQuestionHeading(ctx, asked.chapter, name);
  if (record.nom.empty()) {  // shown as it prints: without a picture that was missing
    c.picturePath.clear();
    c.labelQuestionWidth = kQuestionAreaWidth;
  }
  c.labelQuestion = record.texte;
  resetAnswerBoxes(ctx);
  for (int k = 1; k <= kMaxAnswers; ++k) {
    auto& box = c.check[k];
    box.visible = k <= record.nbRep;
    box.caption = box.visible ? record.rep[k] : std::string();
    box.back = ctx.skin.answerBack;
  }
}

void replaceHistoryEntry(WindowContext& ctx, int row) {
  if (!inPrintPreparation(ctx) || !validRow(ctx, row)) return;
  auto& quiz = ctx.quiz;
  ctx.controls.historiqueSelected = row;
  selectAllChapters(ctx);
  if (!drawFreshQuestion(ctx)) {
    leavePrintPreparation(ctx);
    return;
  }
  const Question& q = quiz.question;
  quiz.askedQuestions[row] = {q.chapter, q.index};
  ctx.controls.historique[row] = std::to_string(q.chapter) + "." + questionLabel(ctx, q.chapter, q.index, q.name);
  recordShownQuestion(ctx, row);
}

}  // namespace ventelle
