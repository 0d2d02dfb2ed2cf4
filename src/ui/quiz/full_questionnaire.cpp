#include "ui/quiz/full_questionnaire.h"

#include "quiz/marking.h"
#include "quiz/verdict.h"
#include "ui/quiz/answer_journal.h"
#include "ui/quiz/history.h"
#include "ui/quiz/marking_flow.h"
#include "ui/quiz/question_display.h"
#include "ui/quiz/question_draw.h"
#include "ui/quiz/user_mistakes.h"
#include "ui/window/messages.h"

namespace ventelle {
namespace {

bool questionnaireMarked(const WindowContext& ctx) { return !ctx.controls.question.visible; }

bool recordHasMistake(const QuestionRecord& record) {
  for (int j = 1; j <= record.nbRep; ++j)
    if (isMistake(record.pts[j], record.coche[j] == 1)) return true;
  return false;
}

// Recolours the button of the question being left.
void recolourLeftButton(WindowContext& ctx) {
  const int current = ctx.quiz.currentButton;
  if (current == 0) return;
  const QuestionRecord& record = ctx.quiz.questionRecords[current - 1];
  auto& button = ctx.controls.bouton[current - 1];
  if (questionnaireMarked(ctx)) {
    button.back = recordHasMistake(record) ? colours::kRed : colours::kGreen;
    return;
  }
  button.back.reset();
  for (int j = 1; j <= record.nbRep; ++j)
    if (record.coche[j] == 1) button.back = colours::kGreen;
}

void copyQuestionIntoSlot(WindowContext& ctx, int i) {
  const Question& q = ctx.quiz.question;
  ctx.quiz.askedQuestions[i - 1] = {q.chapter, q.index};
  QuestionRecord& record = ctx.quiz.questionRecords[i - 1];
  record = QuestionRecord{};
  record.texte = ctx.controls.labelQuestion;
  record.nom = q.name;
  record.cmt = q.comment;
  record.nbRep = q.answerCount;
  for (int j = 1; j <= q.answerCount; ++j) {
    record.ordre[j] = q.answerOrder[j];
    record.rep[j] = q.answerTexts[j];
    record.pts[j] = static_cast<int>(q.answerValues[j]);
  }
}

// Puts a stored question of the questionnaire back on the window.
void restoreSlot(WindowContext& ctx, int i) {
  const AskedQuestion& asked = ctx.quiz.askedQuestions[i - 1];
  const QuestionRecord& record = ctx.quiz.questionRecords[i - 1];
  Question& q = ctx.quiz.question;
  q = Question{};
  q.chapter = asked.chapter;
  q.index = asked.index;
  q.name = questionLabel(ctx, asked.chapter, asked.index, record.nom);
  q.text = record.texte;
  q.comment = record.cmt;
  q.answerCount = record.nbRep;
  for (int j = 1; j <= record.nbRep; ++j) {
    q.answerOrder[j] = record.ordre[j];
    q.answerTexts[j] = record.rep[j];
    q.answerValues[j] = record.pts[j];
  }
  showQuestionHeading(ctx, q.chapter, q.name);
  ctx.controls.labelQuestion = record.texte;
  ctx.quiz.tickGuard = true;
  for (int j = 1; j <= kMaxAnswers; ++j) {
    auto& box = ctx.controls.check[j];
    box.visible = j <= record.nbRep;
    box.caption = j <= record.nbRep ? record.rep[j] : std::string();
    box.ticked = j <= record.nbRep && record.coche[j] == 1;
    box.back = ctx.skin.answerBack;
    box.text = ctx.skin.answerText;
  }
  ctx.quiz.tickGuard = false;
}

void showCorrection(WindowContext& ctx, int i) {
  const QuestionRecord& record = ctx.quiz.questionRecords[i - 1];
  for (int j = record.nbRep + 1; j <= kMaxAnswers; ++j) ctx.controls.lcheck[j].clear();
  ctx.quiz.errorRecorded = true;
  evaluateQuestion(ctx);
  hidePaperclips(ctx);
  showPaperclip(ctx);
}

}  // namespace

void boutonClick(WindowContext& ctx, int i) {
  recolourLeftButton(ctx);
  if (i == 0) return;
  ctx.controls.bouton[i - 1].back = colours::kBlue;
  ctx.quiz.currentButton = i;
  if (ctx.quiz.questionRecords[i - 1].nbRep == 0) {
    drawQuestion(ctx);
    if (!ctx.quiz.redrawRequested) copyQuestionIntoSlot(ctx, i);
    ctx.quiz.redrawRequested = false;
  } else {
    restoreSlot(ctx, i);
  }
  if (questionnaireMarked(ctx)) showCorrection(ctx, i);
}

void fullQuestionnaireQuestionClick(WindowContext& ctx) {
  auto& quiz = ctx.quiz;
  if (quiz.redrawRequested) {
    quiz.redrawRequested = false;
    drawQuestion(ctx);
    return;
  }
  boutonClick(ctx, 0);
  for (const auto& button : ctx.controls.bouton) {
    if (!button.back) {
      ctx.dialogs.message(MessageIcon::Exclamation, messages::kWarningTitle, messages::kFinishQuestionnaire);
      if (quiz.currentButton != 0) ctx.controls.bouton[quiz.currentButton - 1].back = colours::kBlue;
      return;
    }
  }
  ctx.controls.question.visible = false;
  evaluateWholeQuestionnaire(ctx);
  boutonClick(ctx, quiz.currentButton);
}

void evaluateWholeQuestionnaire(WindowContext& ctx) {
  auto& quiz = ctx.quiz;
  quiz.maxPoints = 6 * quiz.questionsAsked;
  boutonClick(ctx, 0);
  const MarkingRules rules = markingRules(ctx);
  const int n = quiz.questionsAsked;
  const std::string questionnaire = ctx.clock.now();
  for (int k = 1; k <= n; ++k) {
    const QuestionRecord& record = quiz.questionRecords[k - 1];
    quiz.question.chapter = quiz.askedQuestions[k - 1].chapter;
    quiz.question.name = record.nom;
    std::array<int, kMaxAnswers + 1> values{};
    std::array<bool, kMaxAnswers + 1> ticks{};
    for (int j = 1; j <= record.nbRep; ++j) {
      values[j] = record.pts[j];
      ticks[j] = record.coche[j] == 1;
    }
    const QuestionMark mark = markQuestion(values, ticks, record.nbRep, rules);
    const int unfloored = markQuestion(values, ticks, record.nbRep, {rules.dgac, false}).points;
    journalAnswer(ctx, quiz.question, unfloored, !mark.anyMistake, AnswerMode::Questionnaire, questionnaire);
    ctx.controls.bouton[k - 1].back = mark.anyMistake ? colours::kRed : colours::kGreen;
    if (mark.anyMistake) recordMistake(ctx);
    quiz.errorRecorded = false;
    const int points = mark.points;
    if (points == 6) recordRightAnswer(ctx);
    quiz.totalPoints += points;
  }
  showScore(ctx);
  ctx.controls.final =
      fullQuestionnaireVerdict(quiz.options, ctx.instructorCaption(), quiz.totalPoints, quiz.maxPoints);
  writeMistakes(ctx);
  refreshChapterLights(ctx);
}

}  // namespace ventelle
