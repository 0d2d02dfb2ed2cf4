#pragma once
// The size of a questionnaire, its printed title and subtitle, and the shape
// of its answer grid, from the exam and its options.
#include <string>
#include <vector>

namespace ventelle {

struct PageLayoutInputs {
  int examIndex = 0;
  std::string bankPrefix;
  bool instructorTest = false;
  bool confirmedTest = false;
  bool includesLowerLevels = false;
  bool paragliderBrevetChecked = false;  // one of the three 2004 paraglider items is checked
};

struct PageLayout {
  int questionCount = 60;
  std::string title;
  std::string subtitle;
  int gridColumns = 4;  // the grid holds gridColumns x gridRows questions
  int gridRows = 15;
};

PageLayout determinePageLayout(const PageLayoutInputs& inputs);

// The questionnaire sizes an exam offers through its size options, smallest
// first. The 2004 pilot brevets show neither option; the confirmed brevets
// cannot leave their 30-question test but for the 20-question one; the
// authority's exams offer the instructor option only, which keeps their size.
std::vector<int> offeredQuestionCounts(int examIndex);

}  // namespace ventelle
