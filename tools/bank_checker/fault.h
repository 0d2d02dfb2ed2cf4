#pragma once
// One fault found in the program folder's question banks.
#include <string>
#include <vector>

namespace ventelle::bankcheck {

struct Fault {
  std::string file;      // path in the program folder, written with "/": "2004/5.qcm"
  std::string question;  // name of the question concerned, empty when none
  int line = 0;          // line number (from 1), 0 when the fault is not about one line
  std::string message;   // French, for the bank's authors
};

using Faults = std::vector<Fault>;

// A program path ("2004\\5.qcm") as shown in faults: "2004/5.qcm".
std::string shownPath(std::string programPath);

// The fault as one line: "2004/5.qcm [70i] ligne 12 : message"; the question
// and the line appear only when known.
std::string describe(const Fault& fault);

}  // namespace ventelle::bankcheck
