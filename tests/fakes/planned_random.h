#pragma once
// A random source that plays back queued draws once, then a steady rotation
// reaching every outcome of a small draw, so that a test which queued too
// little still ends (the answer shuffle redraws until a place is free).
#include <cstddef>
#include <deque>

#include "core/random_source.h"

namespace ventelle {

class PlannedRandom : public RandomSource {
 public:
  // Queues the value that draws r out of m: int(m * u + 1) == r.
  void queueDraw(int r, int m) { queued_.push_back((r - 0.5) / m); }
  std::size_t pending() const { return queued_.size(); }

  double uniform() override {
    static constexpr double kRotation[] = {0.1, 0.3, 0.5, 0.7, 0.9};
    if (queued_.empty()) return kRotation[fallback_++ % 5];
    const double u = queued_.front();
    queued_.pop_front();
    return u;
  }

 private:
  std::deque<double> queued_;
  std::size_t fallback_ = 0;
};

}  // namespace ventelle
