#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "progress/exam_results.h"
#include "progress/readiness.h"

namespace ventelle {
namespace {

TEST(Readiness, MatchesTheClosedFormsOfTheBetaLaw) {
  // Beta(a, 1) has P(X <= x) = x^a.
  for (const double a : {1.0, 2.5, 7.0})
    for (const double p : {0.1, 0.5, 0.9}) EXPECT_NEAR(betaQuantile(a, 1, p), std::pow(p, 1 / a), 1e-9);
  EXPECT_NEAR(betaQuantile(1, 3, 0.1), 1 - std::pow(0.9, 1.0 / 3), 1e-9);

  const double w = std::exp2(-1.0 / kHalfLifeInAnswers);  // the weight of the answer before the last
  const double w2 = std::exp2(-2.0 / kHalfLifeInAnswers);
  struct Case {
    std::vector<bool> answers;
    double right, wrong;  // weighted
  };
  for (const auto& [answers, right, wrong] : {Case{{true, true, true}, 1 + w + w2, 0},
                                              Case{{false, false, false}, 0, 1 + w + w2},
                                              Case{{true, false, true}, 1 + w2, w}}) {
    const Readiness all = chapterReadiness(answers, 4, 4);  // every question seen
    EXPECT_NEAR(all.chance, (1 + right) / (2 + right + wrong), 1e-12);
    EXPECT_NEAR(all.low, betaQuantile(1 + right, 1 + wrong, 0.1), 1e-12);
    EXPECT_NEAR(all.high, betaQuantile(1 + right, 1 + wrong, 0.9), 1e-12);
    // None seen: drawn toward one in two by kUnseenPull imagined answers.
    const Readiness none = chapterReadiness(answers, 0, 4);
    EXPECT_NEAR(none.chance, (1 + right + kUnseenPull / 2) / (2 + right + wrong + kUnseenPull), 1e-12);
    const Readiness half = chapterReadiness(answers, 2, 4);
    EXPECT_NEAR(half.chance, (all.chance + none.chance) / 2, 1e-12);
    EXPECT_NEAR(half.low, (all.low + none.low) / 2, 1e-12);
    EXPECT_EQ(half.seenShare, 0.5);
  }
  EXPECT_EQ(chapterReadiness({}, 0, 10).chance, 0.5);
}

// Exact pass rate of an exam of n questions drawn from the pool, by
// enumerating every set of questions and every outcome of each.
double exactPassRate(const std::vector<PointsLaw>& pool, const SimulatedExamRules& rules) {
  const int size = static_cast<int>(pool.size());
  double passed = 0;
  int sets = 0;
  for (int mask = 0; mask < (1 << size); ++mask) {
    if (__builtin_popcount(mask) != rules.questionCount) continue;
    ++sets;
    std::function<double(int, int)> from = [&](int q, int total) -> double {
      if (q == size) return total * 100 >= rules.questionCount * 6 * rules.passPercent ? 1.0 : 0.0;
      if (!(mask >> q & 1)) return from(q + 1, total);
      double p = 0;
      for (std::size_t k = 0; k < pool[q].points.size(); ++k) {
        int points = pool[q].points[k];
        if (rules.allOrNothing && points != 6) points = 0;
        if (rules.floorNegative && points < 0) points = 0;
        p += pool[q].chances[k] * from(q + 1, total + points);
      }
      return p;
    };
    passed += from(0, 0);
  }
  return passed / sets;
}

TEST(PassSimulation, AgreesWithExactEnumerationOnATinyExamUnderEveryMarking) {
  // Two chapters of two questions; exams of three.
  const std::vector<PointsLaw> laws = {{{6, -6}, {0.8, 0.2}},
                                       {{6, 3, 0}, {0.5, 0.3, 0.2}},
                                       {{6, -3, 3}, {0.6, 0.3, 0.1}},
                                       {{6, 0}, {0.9, 0.1}}};
  QuestionPool pool;
  for (const auto& law : laws) pool.push_back(&law);
  for (const bool allOrNothing : {false, true}) {
    for (const bool floor : {false, true}) {
      for (const int passPercent : {75, 90}) {
        const SimulatedExamRules rules{3, allOrNothing, floor, passPercent};
        std::mt19937_64 random(7);
        const double exact = exactPassRate(laws, rules);
        EXPECT_NEAR(simulatePassRate(pool, rules, 40000, random), exact, 0.01)
            << allOrNothing << floor << passPercent << " exact " << exact;
      }
    }
  }
  std::mt19937_64 random(7);
  EXPECT_NEAR(simulatePassRate(pool, {60, false, true, 75}, 40000, random), exactPassRate(laws, {4, false, true, 75}),
              0.01)
      << "an exam larger than the pool takes all of it";
}

TEST(PassSimulation, TakesEachChapterWithItsQuestionsAndThoseAnsweredTwiceWithTheirOwnPoints) {
  const std::vector<JournalAnswer> answers = {{"2026-12-01T10:00:00+01:00", 7, 1, "A", 6, 6, true},
                                              {"2026-12-01T10:01:00+01:00", 7, 1, "B", -2, 6, false},
                                              {"2026-12-01T10:02:00+01:00", 7, 1, "A", 3, 6, false},
                                              {"2026-12-01T10:03:00+01:00", 8, 1, "B", 6, 6, true}};
  const auto chapters = chapterResults(answers, 7, {{1, {"A", "B", "C"}}, {2, {"D"}}});
  EXPECT_EQ(chapters[0].questionCount, 3);
  EXPECT_EQ(chapters[0].chapterPoints, (std::vector{6, -2, 3}));
  EXPECT_EQ(chapters[0].knownQuestions, (std::vector<std::vector<int>>{{6, 3}}));
  EXPECT_TRUE(chapters[1].questionCount == 1 && chapters[1].chapterPoints.empty());
}

TEST(PassSimulation, TheSameResultsGiveTheSameFigureAndMoreOfThemANarrowerOne) {
  // Answers to the 40 questions in turn, every rightEvery-th one missed.
  auto chapter = [](int answers, int rightEvery) {
    std::vector<JournalAnswer> journal;
    ChapterQuestions questions{1, {}};
    for (int q = 0; q < 40; ++q) questions.names.push_back(std::to_string(q));
    for (int k = 0; k < answers; ++k) journal.push_back({"", 7, 1, std::to_string(k % 40), k % rightEvery ? 6 : 0});
    return chapterResults(journal, 7, {questions})[0];
  };
  const SimulatedExamRules rules{20, false, true, 75};
  const std::vector few = {chapter(20, 5), chapter(20, 5)};
  const PassChance once = estimatePassChance(few, rules, 42);
  EXPECT_EQ(once.chance, estimatePassChance(few, rules, 42).chance);
  EXPECT_GT(once.margin, 0);
  // Draws of 0.4 and 0.6: variance 0.02, of which 0.24 / 99 is the noise of 100 exams.
  EXPECT_NEAR(summariseDraws({0.4, 0.6}, 100).margin, 1.2816 * std::sqrt(0.02 - 0.24 / 99), 1e-9);
  const PassChance many = estimatePassChance({chapter(400, 5), chapter(400, 5)}, rules, 42);
  EXPECT_LT(many.margin, once.margin);
  EXPECT_GT(estimatePassChance({chapter(400, 50), chapter(400, 50)}, rules, 42).chance, 0.9);
  EXPECT_LT(estimatePassChance({chapter(400, 2), chapter(400, 2)}, rules, 42).chance, 0.1);
}

}  // namespace
}  // namespace ventelle
