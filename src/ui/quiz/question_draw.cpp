#include "ui/quiz/question_draw.h"

#include <set>
#include <utility>
#include <vector>

#include "bank/chapter_draw.h"
#include "core/record_reader.h"
#include "ui/quiz/question_display.h"
#include "ui/quiz/user_mistakes.h"
#include "ui/window/messages.h"

namespace ventelle {
namespace {

std::vector<int> tickedChapters(const WindowContext& ctx) {
  std::vector<int> ticked;
  for (int k = 1; k <= kChapterBoxes; ++k)
    if (ctx.controls.partie[k].ticked) ticked.push_back(k);
  return ticked;
}

int questionCount(WindowContext& ctx, int chapter) {
  const ChapterIndex* index = ctx.library.chapter(ctx.chapterPath(chapter));
  return index ? index->questionCount() : 0;
}

// The chapter of the question to come, marked on its box.
void showDrawnChapter(WindowContext& ctx, int chapter) {
  colourChapterBox(ctx, ctx.quiz.question.chapter, false);
  ctx.quiz.question.chapter = chapter;
  colourChapterBox(ctx, chapter, true);
  ctx.quiz.selectedChapter = chapter;
}

// DrawChapter: sets the current chapter, or reports that none is ticked.
bool drawChapter(WindowContext& ctx) {
  const auto ticked = tickedChapters(ctx);
  if (ticked.empty()) {
    ctx.dialogs.message(MessageIcon::Exclamation, messages::kWarningTitle, messages::kNoChapter);
    return false;
  }
  int rank = 0;
  if (ctx.controls.menus.at("mnuTChap").checked) {
    rank = ctx.random.draw(static_cast<int>(ticked.size()));
  } else {
    std::vector<int> counts;
    int total = 0;
    for (const int chapter : ticked) total += counts.emplace_back(questionCount(ctx, chapter));
    rank = rankHoldingQuestion(counts, ctx.random.draw(total));
  }
  showDrawnChapter(ctx, ticked[rank - 1]);
  return true;
}

// A re-ask: a question of the chapter's error list, by name. Gives up (and
// lets the caller draw by place) when the list is empty or names a question
// that is no longer in the chapter file.
bool reaskFromErrorList(WindowContext& ctx) {
  auto& quiz = ctx.quiz;
  if (ctx.reaskPeriod == 0 || quiz.repeatCounter != ctx.reaskPeriod) return false;
  const int chapter = quiz.question.chapter;
  const std::string list = reaskList(ctx, chapter);
  const int n = countFields(list);
  if (n == 0) {
    --quiz.repeatCounter;  // tried again after the next marked question
    return false;
  }
  quiz.repeatCounter = 0;
  const std::string name = n == 1 ? list : field(list, ctx.random.draw(n), n);
  const ChapterIndex* index = ctx.library.chapter(ctx.chapterPath(chapter));
  const auto place = index ? index->placeOf(name) : std::nullopt;
  if (!place) return false;
  ctx.controls.line1 = true;
  if (!loadQuestion(ctx, chapter, *place)) quiz.redrawRequested = true;
  return true;
}

using AskedSet = std::set<std::pair<int, int>>;

AskedSet askedPairs(const WindowContext& ctx) {
  AskedSet asked;
  for (const auto& slot : ctx.quiz.askedQuestions)
    if (slot.chapter != 0) asked.insert({slot.chapter, slot.index});
  return asked;
}

// The first question of the ticked chapters not yet asked, if any.
std::optional<std::pair<int, int>> firstUnasked(WindowContext& ctx, const AskedSet& asked) {
  for (const int chapter : tickedChapters(ctx)) {
    const int count = questionCount(ctx, chapter);
    for (int place = 1; place <= count; ++place)
      if (!asked.contains({chapter, place})) return std::make_pair(chapter, place);
  }
  return std::nullopt;
}

struct TickedTally {
  int questions = 0;
  int unasked = 0;
};

// Questions of the ticked chapters, and how many of them are not yet asked.
TickedTally tallyTicked(WindowContext& ctx, const AskedSet& asked) {
  TickedTally tally;
  for (const int chapter : tickedChapters(ctx)) {
    const int count = questionCount(ctx, chapter);
    tally.questions += count;
    tally.unasked += count;
    for (const auto& [askedChapter, place] : asked) tally.unasked -= askedChapter == chapter && place <= count;
  }
  return tally;
}

}  // namespace

void drawQuestion(WindowContext& ctx) {
  auto& quiz = ctx.quiz;
  if (quiz.drawsDeferred) {
    quiz.redrawRequested = true;
    return;
  }
  resetAnswerBoxes(ctx);
  hidePaperclips(ctx);
  const AskedSet asked = askedPairs(ctx);
  std::optional<TickedTally> tally;  // counted at the first repeat only
  for (int attempt = 0;; ++attempt) {
    // With no chapter ticked the question on screen has been marked already:
    // the next press draws again rather than marking it twice.
    if (!drawChapter(ctx)) {
      quiz.redrawRequested = true;
      return;
    }
    if (reaskFromErrorList(ctx)) return;
    ctx.controls.line1 = false;
    const int chapter = quiz.question.chapter;
    const int count = questionCount(ctx, chapter);
    int place = count > 0 ? ctx.random.draw(count) : 0;
    if (count > 0 && !quiz.antiDuplicateOff && asked.contains({chapter, place})) {
      if (!tally) tally = tallyTicked(ctx, asked);
      // Redraws are bounded: past the bound the first unasked question is
      // taken, so a poor random source cannot hang the draw.
      if (tally->unasked == 0) {
        ctx.dialogs.message(MessageIcon::Information, "", messages::kAllAsked);
        quiz.antiDuplicateOff = true;
      } else if (attempt < 1000 + 10 * tally->questions) {
        continue;
      } else {
        const auto [firstChapter, firstPlace] = *firstUnasked(ctx, asked);
        showDrawnChapter(ctx, firstChapter);
        place = firstPlace;
      }
    }
    if (!loadQuestion(ctx, quiz.question.chapter, place)) quiz.redrawRequested = true;
    return;
  }
}

}  // namespace ventelle
