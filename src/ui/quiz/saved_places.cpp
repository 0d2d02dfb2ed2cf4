#include "ui/quiz/saved_places.h"

#include "bank/module_files.h"
#include "core/exam_catalogue.h"

namespace ventelle {
namespace {

int placeOfName(const ChapterIndex& index, const std::string& name) {
  for (std::size_t k = 0; k < index.headers.size(); ++k)
    if (index.headers[k].name == name) return static_cast<int>(k + 1);
  return 0;
}

// The bank files a chapter file is made of, in order.
std::vector<std::string> sourcesOf(const WindowContext& ctx, int chapter) {
  if (!is2004Exam(ctx.examIndex)) return {ctx.chapterPath(chapter)};
  return chapterSources(ctx.examIndex, ctx.includesLowerLevels(), chapter);
}

// The chapter file's questions in the previous edition; nothing when one of
// its files is not in the edition.
std::optional<std::vector<PreviousQuestion>> previousQuestions(const WindowContext& ctx,
                                                               const PreviousEdition& edition, int chapter) {
  std::vector<PreviousQuestion> questions;
  for (const auto& source : sourcesOf(ctx, chapter)) {
    const auto found = edition.find(source);
    if (found == edition.end()) return std::nullopt;
    questions.insert(questions.end(), found->second.begin(), found->second.end());
  }
  return questions;
}

}  // namespace

std::optional<int> placeToday(WindowContext& ctx, const PreviousEdition& edition, const SavedQuestion& saved) {
  const ChapterIndex* index = ctx.library.chapter(ctx.chapterPath(saved.chapter));
  if (!index) return std::nullopt;
  const bool inRange = saved.index >= 1 && saved.index <= index->questionCount();
  std::string name = saved.name;
  if (name.empty()) {
    const auto previous = previousQuestions(ctx, edition, saved.chapter);
    if (!previous) return inRange ? std::optional<int>(saved.index) : std::nullopt;
    if (saved.index < 1 || saved.index > static_cast<int>(previous->size())) return std::nullopt;
    const PreviousQuestion& question = (*previous)[saved.index - 1];
    if (question.replaced) return std::nullopt;
    name = question.name;
  }
  if (inRange && index->headers[saved.index - 1].name == name) return saved.index;
  const int place = placeOfName(*index, name);
  return place > 0 ? std::optional<int>(place) : std::nullopt;
}

}  // namespace ventelle
