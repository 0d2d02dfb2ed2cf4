#pragma once
// A random source that plays back planned draws, each for one range: a draw
// over another range than the one planned fails the test. Once the plan is
// used up it gives a steady rotation reaching every outcome of a small draw,
// so that a test which planned too little still ends (the answer shuffle
// redraws until a place is free).
#include <cstddef>
#include <deque>
#include <utility>

#include <gtest/gtest.h>

#include "core/random_source.h"

namespace ventelle {

class PlannedRandom : public RandomSource {
 public:
  // Plans the next draw over 1..m to give r.
  void queueDraw(int r, int m) {
    if (r < 1 || r > m) ADD_FAILURE() << "a draw over " << m << " cannot give " << r;
    queued_.emplace_back(r, m);
  }
  std::size_t pending() const { return queued_.size(); }

  int draw(int m) override {
    if (queued_.empty()) return RandomSource::draw(m);
    const auto [r, planned] = queued_.front();
    queued_.pop_front();
    if (m == planned) return r;
    ADD_FAILURE() << "the code drew over " << m << " where the test planned " << r << " out of " << planned;
    return RandomSource::draw(m);
  }

  double uniform() override {
    static constexpr double kRotation[] = {0.1, 0.3, 0.5, 0.7, 0.9};
    return kRotation[fallback_++ % 5];
  }

 private:
  std::deque<std::pair<int, int>> queued_;  // (r, m)
  std::size_t fallback_ = 0;
};

}  // namespace ventelle
