#pragma once
#include <stdexcept>
#include <string>

namespace ventelle {

// A damaged data file that the program cannot go on with. The message is
// the French text shown to the user before the program ends.
class FatalError : public std::runtime_error {
 public:
  explicit FatalError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace ventelle
