#pragma once
#include <cstdint>
#include <random>

#include "core/random_source.h"

namespace ventelle {

// A generator started from a given seed: the same seed gives the same draws,
// for work that must be repeatable (a questionnaire prepared in batch).
class SeededRandom : public RandomSource {
 public:
  explicit SeededRandom(std::uint64_t seed) : engine_(seed) {}
  double uniform() override { return distribution_(engine_); }

 private:
  std::mt19937_64 engine_;
  std::uniform_real_distribution<double> distribution_{0.0, 1.0};
};

}  // namespace ventelle
