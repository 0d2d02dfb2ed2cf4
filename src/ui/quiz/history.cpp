#include "ui/quiz/history.h"

#include "ui/quiz/chapter_readiness.h"
#include "ui/quiz/question_display.h"

namespace ventelle {

void recordHistory(WindowContext& ctx) {
  auto& quiz = ctx.quiz;
  if (quiz.askedQuestions.back().chapter != 0) {
    quiz.askedQuestions.emplace_back();
    quiz.questionRecords.emplace_back();
  }
  const int chapter = quiz.question.chapter;
  quiz.askedQuestions.back() = {chapter, quiz.question.index};
  const std::string name = questionLabel(ctx, chapter, quiz.question.index, quiz.question.name);
  ctx.controls.historique.push_back(std::to_string(chapter) + "." + name);
  ctx.controls.historiqueSelected = static_cast<int>(ctx.controls.historique.size()) - 1;
}

Colour lightColour(int mistakes) {
  if (mistakes <= 3) return colours::kGreen;
  if (mistakes <= 10) return colours::kOrange;
  return colours::kRed;
}

namespace {

// With the lower levels included, a 2004 chapter's mistakes are spread over
// the lists of the brevets of the same wing it gathers.
int includedMistakes(const WindowContext& ctx, int k) {
  const bool paraglider = ctx.examIndex <= 8;
  const int initial = paraglider ? 6 : 9;
  const int pilot = paraglider ? 7 : 10;
  auto count = [&ctx](int exam, int chapter) { return ctx.errors.count({exam, chapter}); };
  int total = 0;
  if (k >= 1 && k <= 5) total += count(initial, k);
  if (k == 7 || k == 8) total += count(initial, k - 1);
  total += count(pilot, k);
  if (ctx.examIndex == 8) total += count(8, k);
  if (ctx.examIndex == 11) {
    static constexpr int kOwnChapter[9] = {0, 1, 2, 0, 3, 0, 4, 5, 6};
    if (kOwnChapter[k] != 0) total += count(11, kOwnChapter[k]);
  }
  return total;
}

}  // namespace

void refreshChapterLights(WindowContext& ctx) {
  const int chapters = ctx.chapterCount();
  for (int k = 1; k <= chapters; ++k) {
    const int mistakes = ctx.includesLowerLevels() ? includedMistakes(ctx, k) : ctx.errors.count({ctx.examIndex, k});
    ctx.controls.feu[k].colour = lightColour(mistakes);
    ctx.controls.feu[k].mistakes = mistakes;
  }
  refreshChapterReadiness(ctx);
}

}  // namespace ventelle
