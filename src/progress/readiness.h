#pragma once
// How ready a user is for a chapter: the chance to answer one of its
// questions fully right, from the user's answers in it, recent ones weighing
// more.
#include <vector>

namespace ventelle {

// An answer's weight halves every this many answers given after it in the chapter.
inline constexpr double kHalfLifeInAnswers = 20;
// Unseen questions: the chapter's figure pulled toward one chance in two by
// this many imagined answers, half of them right.
inline constexpr double kUnseenPull = 10;

struct Readiness {
  double chance = 0.5;  // of a fully right answer to a question drawn from the chapter
  double low = 0.1;     // its 80 % interval
  double high = 0.9;
  double seenShare = 0;  // of the chapter's questions answered at least once
  int answers = 0;
};

// rightOldestFirst: the chapter's answers in the order given; seen, total:
// its questions answered at least once, and all of them.
Readiness chapterReadiness(const std::vector<bool>& rightOldestFirst, int seen, int total);

// The value x with P(X <= x) = p for X of the Beta(a, b) law.
double betaQuantile(double a, double b, double p);

}  // namespace ventelle
