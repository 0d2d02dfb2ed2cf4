#pragma once
#include <random>

#include "core/random_source.h"

namespace ventelle {

// A generator seeded once from the clock when the program starts.
class ClockRandom : public RandomSource {
 public:
  ClockRandom();
  double uniform() override;

 private:
  std::mt19937_64 engine_;
  std::uniform_real_distribution<double> distribution_{0.0, 1.0};
};

}  // namespace ventelle
