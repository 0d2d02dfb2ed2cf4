#pragma once
// The program's own command-line options, answered on the terminal before
// any window exists (so without a display). Every other argument is the
// toolkit's (-platform, a session manager's options ...).
#include <optional>
#include <string>
#include <vector>

namespace ventelle {

// The text to print (the program then ends with success) for "--version" or
// "--help", the first of them given; nothing when neither is among the
// arguments (program name excluded).
std::optional<std::string> answerCommandLine(const std::vector<std::string>& arguments);

}  // namespace ventelle
