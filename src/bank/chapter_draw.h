#pragma once
// The pure part of choosing a chapter among the ticked ones.
#include <vector>

namespace ventelle {

// Question priority: the rank (1-based) of the chapter holding question r of
// the ticked chapters taken together, given each chapter's question count.
// Three chapters of 10, 20 and 30 questions put r = 25 in rank 2.
int rankHoldingQuestion(const std::vector<int>& counts, int r);

}  // namespace ventelle
