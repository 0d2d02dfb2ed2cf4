#pragma once
// The eleven error sections of a profile: per exam, one "ChapitreN=" line
// per chapter holding the names of the questions answered wrongly.
#include <array>
#include <string>
#include <vector>

#include "core/text_file.h"
#include "quiz/error_lists.h"

namespace ventelle {

struct ErrorSection {
  std::string header;  // "[2004PI]"
  int exam;            // 1..11
  int chapters;
};

// In file order.
const std::array<ErrorSection, 11>& errorSections();

inline const std::string kHistoryHeader = "[Historique]";

// ecriturefautes: every section with its chapter lines and an empty line,
// then the "[Historique]" header.
void appendErrorSections(const ErrorLists& errors, TextLines& out);

struct ErrorSectionsRead {
  ErrorLists errors;
  std::vector<std::string> problems;  // French, one per section that was not sound
};

// Reads the sections that follow the settings line. The k-th line after a
// header is chapter k; a section with too few lines leaves the rest empty,
// and lines beyond its chapter count are ignored rather than taken for the
// next section.
ErrorSectionsRead readErrorSections(const TextLines& lines);

}  // namespace ventelle
