#pragma once
// The size of a questionnaire, its printed title and subtitle, and the shape
// of its answer grid, from the exam and its options.
#include <string>

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

}  // namespace ventelle
