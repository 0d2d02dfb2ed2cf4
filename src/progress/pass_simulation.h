#pragma once
// The chance to pass an exam: many exams composed and marked as the real one
// is, each question's points drawn from the user's own results.
#include <cstdint>
#include <optional>
#include <random>
#include <vector>

namespace ventelle {

struct SimulatedExamRules {
  int questionCount = 60;
  bool allOrNothing = false;   // anything but 6 points scores 0
  bool floorNegative = true;   // a question's negative points count as 0
  int passPercent = 75;
};

// The points a question may score, with their chances.
struct PointsLaw {
  std::vector<int> points;
  std::vector<double> chances;  // summing to 1
};

// The exam's questions, each with its law: an exam draws questionCount of them
// (all of them when there are fewer), no question twice.
using QuestionPool = std::vector<const PointsLaw*>;

// The share of `exams` simulated exams that pass.
double simulatePassRate(const QuestionPool& pool, const SimulatedExamRules& rules, int exams, std::mt19937_64& random);

// What the user's journal tells of one chapter of the exam.
struct ChapterResults {
  int questionCount = 0;  // questions in its file
  // The recent points of each question answered twice or more, oldest first.
  std::vector<std::vector<int>> knownQuestions;
  // Every recent answer of the chapter, oldest first: the law of its other questions.
  std::vector<int> chapterPoints;
};

struct PassChance {
  double chance = 0;  // 0..1
  double margin = 0;  // half the width of the 80 % interval of the estimate
};

// The estimate's own uncertainty: the laws are drawn from what the results
// allow, `draws` times, and each draw marks `examsPerDraw` exams.
struct SimulationSize {
  int draws = 100;
  int examsPerDraw = 100;
};

// The mean of the draws' pass rates, and the 80 % half-width of their spread
// once the binomial noise of examsPerDraw exams per draw is taken out.
PassChance summariseDraws(const std::vector<double>& rates, int examsPerDraw);

PassChance estimatePassChance(const std::vector<ChapterResults>& chapters, const SimulatedExamRules& rules,
                              std::uint64_t seed, SimulationSize size = {});

}  // namespace ventelle
