#include "progress/readiness.h"

#include <algorithm>
#include <cmath>

namespace ventelle {
namespace {

// Continued fraction of the incomplete beta function (modified Lentz).
double betaFraction(double a, double b, double x) {
  constexpr double kTiny = 1e-300;
  double c = 1;
  double d = 1 - (a + b) * x / (a + 1);
  if (std::abs(d) < kTiny) d = kTiny;
  d = 1 / d;
  double h = d;
  for (int m = 1; m <= 300; ++m) {
    const double m2 = 2.0 * m;
    for (const double term : {m * (b - m) * x / ((a + m2 - 1) * (a + m2)),
                              -(a + m) * (a + b + m) * x / ((a + m2) * (a + m2 + 1))}) {
      d = 1 + term * d;
      if (std::abs(d) < kTiny) d = kTiny;
      c = 1 + term / c;
      if (std::abs(c) < kTiny) c = kTiny;
      d = 1 / d;
      h *= d * c;
    }
    if (std::abs(d * c - 1) < 1e-12) break;
  }
  return h;
}

// P(X <= x) for X of the Beta(a, b) law.
double betaCumulative(double a, double b, double x) {
  if (x <= 0) return 0;
  if (x >= 1) return 1;
  const double front =
      std::exp(std::lgamma(a + b) - std::lgamma(a) - std::lgamma(b) + a * std::log(x) + b * std::log1p(-x));
  if (x < (a + 1) / (a + b + 2)) return front * betaFraction(a, b, x) / a;
  return 1 - front * betaFraction(b, a, 1 - x) / b;
}

// Weighted counts of right and wrong answers, each weight 1/2^(age/half-life).
struct AnswerWeights {
  double right = 0;
  double wrong = 0;
};

AnswerWeights recencyWeights(const std::vector<bool>& rightOldestFirst) {
  AnswerWeights weights;
  const auto n = rightOldestFirst.size();
  for (std::size_t i = 0; i < n; ++i) {
    const double weight = std::exp2(-static_cast<double>(n - 1 - i) / kHalfLifeInAnswers);
    (rightOldestFirst[i] ? weights.right : weights.wrong) += weight;
  }
  return weights;
}

}  // namespace

double betaQuantile(double a, double b, double p) {
  double low = 0;
  double high = 1;
  for (int step = 0; step < 60; ++step) {
    const double middle = (low + high) / 2;
    (betaCumulative(a, b, middle) < p ? low : high) = middle;
  }
  return (low + high) / 2;
}

Readiness chapterReadiness(const std::vector<bool>& rightOldestFirst, int seen, int total) {
  const AnswerWeights w = recencyWeights(rightOldestFirst);
  // Beta(1, 1) before any answer; the unseen questions' law has the pull added.
  const double a = 1 + w.right;
  const double b = 1 + w.wrong;
  const double pulled = kUnseenPull / 2;
  Readiness r;
  r.answers = static_cast<int>(rightOldestFirst.size());
  r.seenShare = total > 0 ? std::clamp(static_cast<double>(seen) / total, 0.0, 1.0) : 0.0;
  const double s = r.seenShare;
  auto mix = [s](double seenValue, double unseenValue) { return s * seenValue + (1 - s) * unseenValue; };
  r.chance = mix(a / (a + b), (a + pulled) / (a + b + kUnseenPull));
  r.low = mix(betaQuantile(a, b, 0.1), betaQuantile(a + pulled, b + pulled, 0.1));
  r.high = mix(betaQuantile(a, b, 0.9), betaQuantile(a + pulled, b + pulled, 0.9));
  return r;
}

}  // namespace ventelle
