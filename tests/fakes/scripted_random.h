#pragma once
// A random source that plays back the given values in a loop.
#include <cstddef>
#include <utility>
#include <vector>

#include "core/random_source.h"

namespace ventelle {

class ScriptedRandom : public RandomSource {
 public:
  explicit ScriptedRandom(std::vector<double> values) : values_(std::move(values)) {}
  double uniform() override { return values_[next_++ % values_.size()]; }

 private:
  std::vector<double> values_;
  std::size_t next_ = 0;
};

}  // namespace ventelle
