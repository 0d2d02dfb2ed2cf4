#include "ui/progress/exam_chance.h"

#include <cmath>

#include "core/exam_catalogue.h"
#include "progress/progress_report.h"
#include "ui/exams/exam_switch.h"
#include "ui/quiz/answer_journal.h"
#include "ui/quiz/chapter_readiness.h"

namespace ventelle {
namespace {

int wholePercent(double share) { return static_cast<int>(std::lround(100 * share)); }

}  // namespace

std::vector<ChapterQuestions> examChapters(WindowContext& ctx) {
  std::vector<ChapterQuestions> chapters;
  const int count = ctx.chapterCount();
  for (int k = 1; k <= count; ++k)
    if (isChapterTickedByDefault(ctx.bankPrefix, k)) chapters.push_back(chapterQuestionsOf(ctx, k));
  return chapters;
}

SimulatedExamRules simulatedExamRules(const WindowContext& ctx) {
  const auto& options = ctx.quiz.options;
  return {determinePageLayout(ctx).questionCount, isDgacBank(ctx.bankPrefix), options.examConformMarking,
          options.instructorTest && ctx.instructorCaption() ? 90 : 75};
}

ChanceNow passChanceOf(WindowContext& ctx, const std::vector<JournalAnswer>& answers) {
  const auto chapters = examChapters(ctx);
  const int answered = answersInChapters(answers, ctx.examIndex, chapters);
  if (answered < kAnswersBeforeChance) return {std::nullopt, kAnswersBeforeChance - answered};
  return {estimatePassChance(chapterResults(answers, ctx.examIndex, chapters), simulatedExamRules(ctx),
                             seedOf(answers, ctx.examIndex)),
          0};
}

std::string chanceText(const ChanceNow& now) {
  const std::string lead = "Chance de réussite à l'examen : ";
  if (!now.chance) {
    const std::string plural = now.answersNeeded > 1 ? "s" : "";
    return lead + "encore " + std::to_string(now.answersNeeded) + " réponse" + plural +
           " aux questions de l'examen avant de l'estimer";
  }
  return lead + std::to_string(wholePercent(now.chance->chance)) + " % (± " +
         std::to_string(wholePercent(now.chance->margin)) + ")";
}

JournalChance chanceOfDay(const std::string& day, int exam, const PassChance& chance) {
  return {day, exam, wholePercent(chance.chance), wholePercent(chance.margin)};
}

void recordMissingChance(WindowContext& ctx) {
  const std::string today = ctx.clock.now().substr(0, 10);
  const auto day = dayMissingItsChance(ctx.journal, ctx.examIndex, today);
  if (!day) return;
  const ChanceNow then = passChanceOf(ctx, answersUpTo(ctx.journal.answers, *day));
  if (!then.chance) return;
  const JournalChance chance = chanceOfDay(*day, ctx.examIndex, *then.chance);
  appendToJournal(ctx, journalLine(chance));
  ctx.journal.chances.push_back(chance);
}

}  // namespace ventelle
