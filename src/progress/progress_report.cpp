#include "progress/progress_report.h"

#include <algorithm>
#include <map>
#include <tuple>

#include "quiz/marking.h"

namespace ventelle {

std::vector<QuestionnaireMark> questionnaireMarks(const std::vector<JournalAnswer>& answers, int exam) {
  std::vector<QuestionnaireMark> marks;
  std::string current;
  int total = 0;
  int max = 0;
  auto close = [&] {
    if (!current.empty()) marks.back().outOf20 = markOutOf20(total, max);
  };
  for (const auto& a : answers) {
    if (a.exam != exam || a.mode != AnswerMode::Questionnaire || a.questionnaire.empty()) continue;
    if (a.questionnaire != current) {
      close();
      current = a.questionnaire;
      marks.push_back({a.time, 0});
      total = max = 0;
    }
    total += std::max(0, a.points);
    max += a.maxPoints;
  }
  close();
  return marks;
}

std::vector<MissedQuestion> mostMissed(const std::vector<JournalAnswer>& answers, int exam, std::size_t count) {
  struct Tally {
    MissedQuestion missed;
    std::size_t lastMiss = 0;
  };
  std::map<std::pair<int, std::string>, Tally> tallies;
  std::size_t seen = 0;
  for (auto a = answers.rbegin(); a != answers.rend() && seen < kRecentAnswers; ++a) {
    if (a->exam != exam) continue;
    const std::size_t age = seen++;
    Tally& tally = tallies[{a->chapter, a->question}];
    if (tally.missed.answers++ == 0) tally.missed = {a->chapter, a->question, 0, 1};
    if (!a->right && tally.missed.misses++ == 0) tally.lastMiss = age;
  }
  std::vector<Tally> missed;
  for (auto& [key, tally] : tallies)
    if (tally.missed.misses > 0) missed.push_back(tally);
  std::sort(missed.begin(), missed.end(), [](const Tally& x, const Tally& y) {
    return std::tie(y.missed.misses, x.lastMiss) < std::tie(x.missed.misses, y.lastMiss);
  });
  if (missed.size() > count) missed.resize(count);
  std::vector<MissedQuestion> result;
  for (const auto& tally : missed) result.push_back(tally.missed);
  return result;
}

std::vector<JournalChance> chanceHistory(const Journal& journal, int exam) {
  std::map<std::string, JournalChance> byDay;
  for (const auto& chance : journal.chances)
    if (chance.exam == exam) byDay[chance.day] = chance;
  std::vector<JournalChance> history;
  for (auto& [day, chance] : byDay) history.push_back(chance);
  return history;
}

std::optional<std::string> dayMissingItsChance(const Journal& journal, int exam, const std::string& today) {
  std::optional<std::string> last;
  for (const auto& a : journal.answers)
    if (a.exam == exam && a.day() < today && (!last || a.day() > *last)) last = a.day();
  if (!last) return std::nullopt;
  for (const auto& chance : journal.chances)
    if (chance.exam == exam && chance.day == *last) return std::nullopt;
  return last;
}

std::vector<JournalAnswer> answersUpTo(const std::vector<JournalAnswer>& answers, const std::string& day) {
  std::vector<JournalAnswer> upTo;
  std::copy_if(answers.begin(), answers.end(), std::back_inserter(upTo),
               [&day](const JournalAnswer& a) { return a.day() <= day; });
  return upTo;
}

}  // namespace ventelle
