#include "core/clock_random.h"

#include <chrono>

namespace ventelle {

ClockRandom::ClockRandom()
    : engine_(static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
              static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count())) {}

double ClockRandom::uniform() {
  double u = distribution_(engine_);
  return u < 1.0 ? u : 0.0;
}

}  // namespace ventelle
