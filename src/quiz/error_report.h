#pragma once
// textErreurs: the titles and the per-chapter lines of a user's error report
// on one exam, as printed and as shown in the main window's error panel.
#include <string>
#include <vector>

#include "quiz/error_lists.h"

namespace ventelle {

struct ErrorReport {
  std::string title;     // follows "Historique des erreurs sur le QCM "
  std::string subtitle;  // empty for the exams outside the 2004 brevets
  // One line per report chapter: the names of its mistaken questions, comma
  // separated, or for a brevet with the lower levels included the lists of
  // each level behind "-Initial:", "-Pilote:" and "-Confirmé:".
  std::vector<std::string> lines;

  int chapterCount() const { return static_cast<int>(lines.size()); }
  // Line k (1-based); empty past the last chapter.
  const std::string& line(int k) const;
};

// The report of exam examIndex (1..11). includeLowerLevels: "Inclure le(s)
// QCM(s) inférieur(s)" is ticked, which only the pilot and confirmed 2004
// brevets take into account.
ErrorReport errorReport(int examIndex, bool includeLowerLevels, const ErrorLists& errors);

}  // namespace ventelle
