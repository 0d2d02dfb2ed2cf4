#include "progress/pass_simulation.h"

#include <algorithm>
#include <cmath>
#include <map>
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

using Weights = std::map<int, double>;

// A law drawn from the Dirichlet law of these weights.
PointsLaw drawLaw(const Weights& weights, std::mt19937_64& random) {
  PointsLaw law;
  double sum = 0;
  for (const auto& [points, weight] : weights) {
    const double g = std::gamma_distribution<double>(weight, 1)(random);
    law.points.push_back(points);
    law.chances.push_back(g);
    sum += g;
  }
  for (double& chance : law.chances) chance = sum > 0 ? chance / sum : 1.0 / static_cast<double>(law.points.size());
  return law;
}

// The chapter's answers by their points, recent ones weighing more, with the
// pull toward one chance in two that unseen questions get.
Weights chapterWeights(const std::vector<int>& pointsOldestFirst) {
  Weights weights{{0, kUnseenPull / 2}, {kFullMarks, kUnseenPull / 2}};
  const auto n = pointsOldestFirst.size();
  for (std::size_t i = 0; i < n; ++i)
    weights[pointsOldestFirst[i]] += std::exp2(-static_cast<double>(n - 1 - i) / kHalfLifeInAnswers);
  return weights;
}

Weights questionWeights(const std::vector<int>& points, const PointsLaw& chapterLaw) {
  Weights weights;
  for (std::size_t k = 0; k < chapterLaw.points.size(); ++k)
    weights[chapterLaw.points[k]] += kChapterPriorAnswers * chapterLaw.chances[k] + 1e-9;
  for (const int p : points) weights[p] += 1;
  return weights;
}

}  // namespace

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
  std::vector<double> rates;
  std::vector<PointsLaw> laws;
  for (int d = 0; d < size.draws; ++d) {
    laws.clear();
    std::size_t questions = 0;
    for (const auto& chapter : chapters) questions += std::max<std::size_t>(chapter.questionCount, 1) + 1;
    laws.reserve(questions);  // the pool points into it
    QuestionPool pool;
    for (const auto& chapter : chapters) {
      const PointsLaw& chapterLaw = laws.emplace_back(drawLaw(chapterWeights(chapter.chapterPoints), random));
      const int known = std::min<int>(static_cast<int>(chapter.knownQuestions.size()), chapter.questionCount);
      for (int q = 0; q < known; ++q)
        pool.push_back(&laws.emplace_back(drawLaw(questionWeights(chapter.knownQuestions[q], chapterLaw), random)));
      for (int q = known; q < chapter.questionCount; ++q) pool.push_back(&chapterLaw);
    }
    rates.push_back(simulatePassRate(pool, rules, size.examsPerDraw, random));
  }
  PassChance result;
  if (rates.empty()) return result;
  const double draws = static_cast<double>(rates.size());
  result.chance = std::accumulate(rates.begin(), rates.end(), 0.0) / draws;
  double spread = 0;
  double noise = 0;  // what the finite number of exams adds to the spread
  for (const double rate : rates) {
    spread += (rate - result.chance) * (rate - result.chance) / std::max(1.0, draws - 1);
    noise += rate * (1 - rate) / std::max(1, size.examsPerDraw - 1) / draws;
  }
  constexpr double kEightyPercentZ = 1.2816;
  result.margin = kEightyPercentZ * std::sqrt(std::max(0.0, spread - noise));
  return result;
}

}  // namespace ventelle
