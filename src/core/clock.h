#pragma once
// The time of day, as the program writes it in a user's journal.
#include <string>

namespace ventelle {

class Clock {
 public:
  virtual ~Clock() = default;
  // Local date and time in ISO 8601 with the offset: "2026-12-05T10:00:00+01:00".
  virtual std::string now() const = 0;
};

// The system's clock in the local time zone.
Clock& systemClock();

}  // namespace ventelle
