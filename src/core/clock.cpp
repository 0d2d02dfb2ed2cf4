#include "core/clock.h"

#include <ctime>

namespace ventelle {
namespace {

class SystemClock : public Clock {
 public:
  std::string now() const override {
    const std::time_t seconds = std::time(nullptr);
    std::tm local{};
    localtime_r(&seconds, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S%z", &local);
    std::string iso = text;  // the offset comes as +0100
    if (iso.size() >= 5) iso.insert(iso.size() - 2, ":");
    return iso;
  }
};

}  // namespace

Clock& systemClock() {
  static SystemClock clock;
  return clock;
}

}  // namespace ventelle
