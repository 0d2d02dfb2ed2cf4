#include "progress/pass_simulation.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "progress/readiness.h"

namespace ventelle {
namespace {

constexpr int kFullMarks = 6;
// A question's own results count beside this many answers like its chapter's.
constexpr double kChapterPriorAnswers = 2;

int markedPoints(int points, const SimulatedExamRules& rules) {
  if (rules.allOrNothing && points != kFullMarks) return 0;
  if (rules.floorNegative && points < 0) return 0;
  return points;
}

int drawPoints(const PointsLaw& law, std::mt19937_64& random) {
  double u = std::uniform_real_distribution<double>(0, 1)(random);
  for (std::size_t k = 0; k + 1 < law.points.size(); ++k) {
    u -= law.chances[k];
    if (u < 0) return law.points[k];
  }
  return law.points.back();
}

// The laws of one chapter's questions: every law of the chapter over the same
// points, its questions answered twice or more with laws of their own.
struct ChapterLaws {
  std::vector<int> points;
  std::vector<double> chapterWeights;             // recent answers, with the pull of unseen questions
  std::vector<std::vector<double>> questionCounts;  // by known question
};

std::size_t placeOf(const std::vector<int>& points, int value) {
  return static_cast<std::size_t>(std::lower_bound(points.begin(), points.end(), value) - points.begin());
}

ChapterLaws chapterLaws(const ChapterResults& chapter) {
  ChapterLaws laws;
  laws.points = {0, kFullMarks};
  laws.points.insert(laws.points.end(), chapter.chapterPoints.begin(), chapter.chapterPoints.end());
  for (const auto& question : chapter.knownQuestions) laws.points.insert(laws.points.end(), question.begin(), question.end());
  std::sort(laws.points.begin(), laws.points.end());
  laws.points.erase(std::unique(laws.points.begin(), laws.points.end()), laws.points.end());
  laws.chapterWeights.assign(laws.points.size(), 0);
  laws.chapterWeights[placeOf(laws.points, 0)] += kUnseenPull / 2;
  laws.chapterWeights[placeOf(laws.points, kFullMarks)] += kUnseenPull / 2;
  const auto n = chapter.chapterPoints.size();
  for (std::size_t i = 0; i < n; ++i)
    laws.chapterWeights[placeOf(laws.points, chapter.chapterPoints[i])] +=
        std::exp2(-static_cast<double>(n - 1 - i) / kHalfLifeInAnswers);
  const auto known = std::min<std::size_t>(chapter.knownQuestions.size(), static_cast<std::size_t>(chapter.questionCount));
  for (std::size_t q = 0; q < known; ++q) {
    auto& counts = laws.questionCounts.emplace_back(laws.points.size(), 0.0);
    for (const int p : chapter.knownQuestions[q]) counts[placeOf(laws.points, p)] += 1;
  }
  return laws;
}

// Chances drawn from the Dirichlet law of these weights.
void drawChances(const std::vector<double>& weights, std::vector<double>& chances, std::mt19937_64& random) {
  double sum = 0;
  for (std::size_t k = 0; k < weights.size(); ++k)
    sum += chances[k] = weights[k] > 0 ? std::gamma_distribution<double>(weights[k], 1)(random) : 0;
  for (double& chance : chances) chance = sum > 0 ? chance / sum : 1.0 / static_cast<double>(chances.size());
}

// Each chapter's law, then its known questions' laws drawn around it, in the
// order the laws were laid out.
void redrawLaws(const std::vector<ChapterLaws>& models, std::vector<PointsLaw>& laws, std::mt19937_64& random) {
  std::vector<double> weights;
  auto law = laws.begin();
  for (const auto& model : models) {
    const PointsLaw& chapterLaw = *law;
    drawChances(model.chapterWeights, law++->chances, random);
    for (const auto& counts : model.questionCounts) {
      weights = counts;
      for (std::size_t k = 0; k < weights.size(); ++k) weights[k] += kChapterPriorAnswers * chapterLaw.chances[k] + 1e-9;
      drawChances(weights, law++->chances, random);
    }
  }
}

}  // namespace

PassChance summariseDraws(const std::vector<double>& rates, int examsPerDraw) {
  PassChance result;
  if (rates.empty()) return result;
  const double draws = static_cast<double>(rates.size());
  result.chance = std::accumulate(rates.begin(), rates.end(), 0.0) / draws;
  double spread = 0;
  double noise = 0;
  for (const double rate : rates) {
    spread += (rate - result.chance) * (rate - result.chance) / std::max(1.0, draws - 1);
    noise += rate * (1 - rate) / std::max(1, examsPerDraw - 1) / draws;
  }
  constexpr double kEightyPercentZ = 1.2816;
  result.margin = kEightyPercentZ * std::sqrt(std::max(0.0, spread - noise));
  return result;
}


double simulatePassRate(const QuestionPool& pool, const SimulatedExamRules& rules, int exams,
                        std::mt19937_64& random) {
  const int n = std::min(rules.questionCount, static_cast<int>(pool.size()));
  if (n == 0 || exams <= 0) return 0;
  const long long passMark = static_cast<long long>(n) * kFullMarks * rules.passPercent;
  std::vector<int> order(pool.size());
  std::iota(order.begin(), order.end(), 0);
  int passes = 0;
  for (int e = 0; e < exams; ++e) {
    long long total = 0;
    for (int k = 0; k < n; ++k) {  // the first n of a shuffle: n questions, none twice
      const int pick = std::uniform_int_distribution<int>(k, static_cast<int>(order.size()) - 1)(random);
      std::swap(order[k], order[pick]);
      total += markedPoints(drawPoints(*pool[order[k]], random), rules);
    }
    passes += total * 100 >= passMark;
  }
  return static_cast<double>(passes) / exams;
}

PassChance estimatePassChance(const std::vector<ChapterResults>& chapters, const SimulatedExamRules& rules,
                              std::uint64_t seed, SimulationSize size) {
  std::mt19937_64 random(seed);
  std::vector<ChapterLaws> models;
  std::size_t lawCount = 0;
  for (const auto& chapter : chapters) lawCount += 1 + models.emplace_back(chapterLaws(chapter)).questionCounts.size();
  // Every law is drawn again at each draw, in place; the pool points into them.
  std::vector<PointsLaw> laws;
  laws.reserve(lawCount);
  QuestionPool pool;
  for (std::size_t c = 0; c < chapters.size(); ++c) {
    const auto& points = models[c].points;
    const PointsLaw& chapterLaw = laws.emplace_back(PointsLaw{points, std::vector<double>(points.size())});
    for (std::size_t q = 0; q < models[c].questionCounts.size(); ++q)
      pool.push_back(&laws.emplace_back(PointsLaw{points, std::vector<double>(points.size())}));
    for (auto q = static_cast<int>(models[c].questionCounts.size()); q < chapters[c].questionCount; ++q)
      pool.push_back(&chapterLaw);
  }
  std::vector<double> rates;
  for (int d = 0; d < size.draws; ++d) {
    redrawLaws(models, laws, random);
    rates.push_back(simulatePassRate(pool, rules, size.examsPerDraw, random));
  }
  return summariseDraws(rates, size.examsPerDraw);
}

}  // namespace ventelle
