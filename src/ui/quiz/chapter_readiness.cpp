#include "ui/quiz/chapter_readiness.h"

#include <cmath>

namespace ventelle {
namespace {

std::string percent(double share) { return std::to_string(static_cast<int>(std::lround(100 * share))) + " %"; }

}  // namespace

ChapterQuestions chapterQuestionsOf(WindowContext& ctx, int chapter) {
  ChapterQuestions questions{chapter, {}};
  if (const ChapterIndex* index = ctx.library.chapter(ctx.chapterPath(chapter)))
    for (const auto& header : index->headers) questions.names.push_back(header.name);
  return questions;
}

std::string readinessText(const Readiness& r) {
  return "Réussite estimée : " + percent(r.chance) + " (entre " + std::to_string(std::lround(100 * r.low)) +
         " et " + percent(r.high) + "), " + percent(r.seenShare) + " des questions vues";
}

void refreshChapterReadiness(WindowContext& ctx) {
  const int chapters = ctx.chapterCount();
  for (int k = 1; k <= chapters; ++k) {
    TickBox& box = ctx.controls.partie[k];
    box.toolTip = shownCaption(box.caption) + "\n" +
                  readinessText(readinessOf(ctx.journal.answers, ctx.examIndex, chapterQuestionsOf(ctx, k)));
  }
}

}  // namespace ventelle
