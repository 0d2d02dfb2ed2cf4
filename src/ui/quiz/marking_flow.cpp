#include "ui/quiz/marking_flow.h"

#include "quiz/mistake_routing.h"
#include "quiz/verdict.h"
#include "ui/quiz/answer_journal.h"
#include "ui/quiz/history.h"
#include "ui/quiz/user_mistakes.h"
#include "ui/window/messages.h"

namespace ventelle {
namespace {

ListKey listOfQuestionOnScreen(const WindowContext& ctx) {
  return mistakeList(ctx.examIndex, ctx.quiz.question.chapter, ctx.includesLowerLevels(), ctx.quiz.question.name);
}

}  // namespace

MarkingRules markingRules(const WindowContext& ctx) {
  return {isDgacBank(ctx.bankPrefix), ctx.quiz.options.examConformMarking};
}

void recordMistake(WindowContext& ctx) {
  if (ctx.quiz.errorRecorded) return;
  ctx.quiz.errorRecorded = true;
  const ListKey key = listOfQuestionOnScreen(ctx);
  const std::string& name = ctx.quiz.question.name;
  if (ctx.errors.contains(key, name)) {
    if (ctx.trainingMode())
      ctx.dialogs.message(MessageIcon::Information, messages::kRepeatedMistakeTitle, messages::kRepeatedMistake);
    return;
  }
  ctx.errors.add(key, name);
}

void recordRightAnswer(WindowContext& ctx) { ctx.errors.remove(listOfQuestionOnScreen(ctx), ctx.quiz.question.name); }

namespace {

struct OnScreen {
  std::array<int, kMaxAnswers + 1> values{};
  std::array<bool, kMaxAnswers + 1> ticks{};
};

OnScreen answersOnScreen(const WindowContext& ctx) {
  OnScreen shown;
  const Question& q = ctx.quiz.question;
  for (int i = 1; i <= q.answerCount; ++i) {
    shown.values[i] = static_cast<int>(q.answerValues[i]);
    shown.ticks[i] = ctx.controls.check[i].ticked;
  }
  return shown;
}

// The question on screen into the journal, its points before any floor.
void journalQuestionOnScreen(WindowContext& ctx) {
  const OnScreen shown = answersOnScreen(ctx);
  const Question& q = ctx.quiz.question;
  const QuestionMark mark = markQuestion(shown.values, shown.ticks, q.answerCount, {markingRules(ctx).dgac, false});
  journalAnswer(ctx, q, mark.points, !mark.anyMistake, AnswerMode::Training);
}

}  // namespace

int evaluateQuestion(WindowContext& ctx) {
  const Question& q = ctx.quiz.question;
  const auto [values, ticks] = answersOnScreen(ctx);
  const QuestionMark mark = markQuestion(values, ticks, q.answerCount, markingRules(ctx));
  for (int i = 1; i <= q.answerCount; ++i) {
    auto& box = ctx.controls.check[i];
    ctx.controls.lcheck[i] = std::to_string(values[i]);
    if (!mark.answers[i].mistake) {
      box.back = ctx.skin.answerBack;
      continue;
    }
    box.text = ctx.skin.mistakeText;
    if (mark.answers[i].mistakeColour) box.back = *mark.answers[i].mistakeColour;
    recordMistake(ctx);
  }
  ctx.quiz.errorRecorded = false;
  ctx.controls.cetteQuestion = std::to_string(mark.points);
  if (mark.points == 6) recordRightAnswer(ctx);
  return mark.points;
}

void showScore(WindowContext& ctx) {
  const auto& quiz = ctx.quiz;
  auto& c = ctx.controls;
  c.nombreQuestionsPosees = std::to_string(quiz.questionsAsked);
  c.totalPoints = std::to_string(quiz.totalPoints);
  c.nombrePointsMax = std::to_string(quiz.maxPoints);
  c.moyenne = std::to_string(markOutOf20(quiz.totalPoints, quiz.maxPoints));
}

void markTrainingQuestion(WindowContext& ctx) {
  auto& quiz = ctx.quiz;
  if (ctx.reaskPeriod != 0) ++quiz.repeatCounter;
  ++quiz.questionsAsked;
  quiz.maxPoints = 6 * quiz.questionsAsked;
  quiz.totalPoints += evaluateQuestion(ctx);
  journalQuestionOnScreen(ctx);
  showScore(ctx);
  const TestRules rules = trainingTestRules(ctx.bankPrefix, quiz.options, ctx.instructorCaption());
  if (const auto verdict = trainingVerdict(rules, quiz.options.stopMode, quiz.questionsAsked, quiz.totalPoints)) {
    ctx.controls.final = *verdict;
    ctx.controls.question.visible = false;
  }
  recordHistory(ctx);
  writeMistakes(ctx);
  refreshChapterLights(ctx);
}

}  // namespace ventelle
