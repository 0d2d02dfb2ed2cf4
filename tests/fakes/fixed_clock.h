#pragma once
// A clock that says what the test sets.
#include <string>

#include "core/clock.h"

namespace ventelle {

class FixedClock : public Clock {
 public:
  std::string now() const override { return time; }
  std::string time = "2026-12-05T10:00:00+01:00";
};

}  // namespace ventelle
