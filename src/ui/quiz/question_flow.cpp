#include "ui/quiz/question_flow.h"

#include "ui/quiz/full_questionnaire.h"
#include "ui/quiz/marking_flow.h"
#include "ui/quiz/question_display.h"
#include "ui/quiz/question_draw.h"
#include "ui/window/messages.h"

namespace ventelle {
namespace {

void undoTick(WindowContext& ctx, int i, const std::string& message) {
  ctx.dialogs.message(MessageIcon::Exclamation, messages::kWarningTitle, message);
  ctx.quiz.tickGuard = true;
  ctx.controls.check[i].ticked = !ctx.controls.check[i].ticked;
  ctx.quiz.tickGuard = false;
}

// A press of the question button while a game is open: true when the game
// takes it (the board is up, or it acknowledges a score) and the quiz must
// not act on it.
bool gameTakesQuestionPress(WindowContext& ctx) {
  if (!ctx.gameOpen) return false;
  if (ctx.game.boardVisible()) return true;
  return ctx.controls.question.tag == tags::kQuestion && ctx.game.goOn();
}

// The quiz has marked a question with this mark: counts for the game while
// its question is on screen.
void gameQuestionMarked(WindowContext& ctx, int mark) {
  if (ctx.gameOpen) ctx.game.answerMarked(mark);
}

}  // namespace

void setEvaluationState(WindowContext& ctx) {
  auto& button = ctx.controls.question;
  button.tag = tags::kEvaluation;
  button.toolTip = "notation de la question";
  button.caption = "Evaluation";
}

void setNextQuestionState(WindowContext& ctx) {
  auto& button = ctx.controls.question;
  button.tag = tags::kQuestion;
  button.toolTip.clear();
  button.caption = "Question Suivante";
}

void questionClick(WindowContext& ctx) {
  if (gameTakesQuestionPress(ctx)) return;
  auto& quiz = ctx.quiz;
  const std::string tag = ctx.controls.question.tag;
  if (tag == tags::kButtons) {
    fullQuestionnaireQuestionClick(ctx);
    return;
  }
  ctx.controls.erreursVisible = false;
  if (quiz.redrawRequested) {
    quiz.redrawRequested = false;
    drawQuestion(ctx);
    setEvaluationState(ctx);
    return;
  }
  if (tag == tags::kEvaluation) {
    markTrainingQuestion(ctx);
    gameQuestionMarked(ctx, std::stoi(ctx.controls.cetteQuestion));
    setNextQuestionState(ctx);
    showPaperclip(ctx);
  } else if (tag == tags::kQuestion) {
    drawQuestion(ctx);
    setEvaluationState(ctx);
  }
}

void checkClick(WindowContext& ctx, int i) {
  if (i < 1 || i > kMaxAnswers || ctx.quiz.tickGuard || ctx.game.boardVisible()) return;
  auto& box = ctx.controls.check[i];
  box.ticked = !box.ticked;
  const std::string& tag = ctx.controls.question.tag;
  if (tag == tags::kQuestion) {
    undoTick(ctx, i, messages::kNoChangeAfterCorrection);
  } else if (tag == tags::kBackToQuestionnaire) {
    undoTick(ctx, i, messages::kViewingQuestionnaire);
  } else if (tag == tags::kButtons && !ctx.controls.question.visible) {
    undoTick(ctx, i, messages::kNoChangeAfterCorrection);
  } else if (tag == tags::kButtons) {
    ctx.quiz.questionRecords[ctx.quiz.currentButton - 1].coche[i] = box.ticked ? 1 : 0;
  }
}

void wingClick(WindowContext& ctx) {
  if (ctx.game.boardVisible()) return;
  if (!ctx.controls.bouton.empty()) {
    ctx.quiz.questionRecords[ctx.quiz.currentButton - 1].nbRep = 0;
    boutonClick(ctx, ctx.quiz.currentButton);
  } else if (ctx.controls.question.tag != tags::kBackToQuestionnaire) {
    ctx.quiz.redrawRequested = true;
    questionClick(ctx);
  }
}

}  // namespace ventelle
