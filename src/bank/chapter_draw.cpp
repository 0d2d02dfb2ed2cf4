#include "bank/chapter_draw.h"

namespace ventelle {

int rankHoldingQuestion(const std::vector<int>& counts, int r) {
  int runningSum = 0;
  for (std::size_t j = 0; j < counts.size(); ++j) {
    runningSum += counts[j];
    if (runningSum >= r) return static_cast<int>(j + 1);
  }
  return static_cast<int>(counts.size());
}

}  // namespace ventelle
