#include "progress/exam_results.h"

#include <algorithm>
#include <map>
#include <set>

namespace ventelle {
namespace {

// Past these, answers weigh next to nothing and are left out.
constexpr std::size_t kRecentChapterAnswers = 300;
constexpr std::size_t kRecentQuestionAnswers = 5;

bool inChapter(const JournalAnswer& a, int exam, int chapter) { return a.exam == exam && a.chapter == chapter; }

template <typename T>
void keepLast(std::vector<T>& values, std::size_t count) {
  if (values.size() > count) values.erase(values.begin(), values.end() - static_cast<std::ptrdiff_t>(count));
}

}  // namespace

Readiness readinessOf(const std::vector<JournalAnswer>& answers, int exam, const ChapterQuestions& chapter) {
  const std::set<std::string> names(chapter.names.begin(), chapter.names.end());
  std::vector<bool> rights;
  std::set<std::string> seen;
  for (const auto& a : answers) {
    if (!inChapter(a, exam, chapter.chapter)) continue;
    rights.push_back(a.right);
    if (names.contains(a.question)) seen.insert(a.question);
  }
  const int answered = static_cast<int>(rights.size());
  keepLast(rights, kRecentChapterAnswers);
  Readiness r = chapterReadiness(rights, static_cast<int>(seen.size()), static_cast<int>(names.size()));
  r.answers = answered;
  return r;
}

std::vector<ChapterResults> chapterResults(const std::vector<JournalAnswer>& answers, int exam,
                                           const std::vector<ChapterQuestions>& chapters) {
  std::vector<ChapterResults> results;
  for (const auto& chapter : chapters) {
    ChapterResults& r = results.emplace_back();
    r.questionCount = static_cast<int>(chapter.names.size());
    std::map<std::string, std::vector<int>> byQuestion;
    for (const auto& name : chapter.names) byQuestion[name];
    for (const auto& a : answers) {
      if (!inChapter(a, exam, chapter.chapter)) continue;
      r.chapterPoints.push_back(a.points);
      if (const auto found = byQuestion.find(a.question); found != byQuestion.end()) found->second.push_back(a.points);
    }
    keepLast(r.chapterPoints, kRecentChapterAnswers);
    for (auto& [name, points] : byQuestion) {
      if (points.size() < 2) continue;
      keepLast(points, kRecentQuestionAnswers);
      r.knownQuestions.push_back(std::move(points));
    }
  }
  return results;
}

int answersInChapters(const std::vector<JournalAnswer>& answers, int exam,
                      const std::vector<ChapterQuestions>& chapters) {
  return static_cast<int>(std::count_if(answers.begin(), answers.end(), [&](const JournalAnswer& a) {
    return std::any_of(chapters.begin(), chapters.end(),
                       [&](const ChapterQuestions& c) { return inChapter(a, exam, c.chapter); });
  }));
}

std::uint64_t seedOf(const std::vector<JournalAnswer>& answers, int exam) {
  std::uint64_t hash = 14695981039346656037ull;  // FNV-1a
  for (const auto& a : answers) {
    if (a.exam != exam) continue;
    for (const char c : journalLine(a)) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
  }
  return hash;
}

}  // namespace ventelle
