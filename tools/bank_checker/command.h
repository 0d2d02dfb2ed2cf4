#pragma once
// The command line of ventelle-check-bank.
#include <ostream>
#include <string>
#include <vector>

namespace ventelle::bankcheck {

// ventelle-check-bank [--counts] PROGRAM_FOLDER
// Prints every fault as one line on `out`, then "N faute(s)"; with --counts
// also the question count of each file and the total. Returns the exit code:
// 0 when the banks are clean, 1 when a fault was found, 2 on bad usage.
int runBankCheck(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

}  // namespace ventelle::bankcheck
