#include "quiz/error_report.h"

namespace ventelle {
namespace {

const std::string kInitialSubtitle = "- Brevet Initial -";
const std::string kPilotSubtitle = "- Brevet de Pilote -";
const std::string kConfirmedSubtitle = "- Brevet de Pilote Confirmé -";
const std::string kPilotIncluded = " QCMs B. Initial inclus";
const std::string kConfirmedIncluded = " QCMs B. Initial & Pilote inclus";

// The initial brevet has no chapter 6 ("Réglementation"): its chapters 6 and
// 7 stand beside report chapters 7 and 8.
int initialChapter(int k) {
  if (k <= 5) return k;
  return k == 6 ? 0 : k - 1;
}

// The confirmed hang-glider brevet has six chapters, laid out here on the
// eight of the pilot brevet; report chapters 3 and 5 have none of them.
int confirmedHangGliderChapter(int k) {
  static constexpr int kChapter[9] = {0, 1, 2, 0, 3, 0, 4, 5, 6};
  return kChapter[k];
}

void append(std::string& line, const std::string& label, const std::string& list) {
  if (!list.empty()) line += label + list;
}

// A 2004 brevet's report chapter k with the lists of its lower levels.
std::string combinedLine(int examIndex, int k, const ErrorLists& errors) {
  const bool paraglider = examIndex <= 8;
  const int initial = paraglider ? 6 : 9;
  const int pilot = initial + 1;
  const int confirmed = initial + 2;
  std::string line;
  if (const int chapter = initialChapter(k)) append(line, "-Initial:", errors.list({initial, chapter}));
  append(line, "-Pilote:", errors.list({pilot, k}));
  if (examIndex == confirmed) {
    const int chapter = paraglider ? k : confirmedHangGliderChapter(k);
    if (chapter != 0) append(line, "-Confirmé:", errors.list({confirmed, chapter}));
  }
  return line;
}

struct ExamHeading {
  std::string title;
  std::string subtitle;
  int chapters;
};

ExamHeading headingOf(int examIndex) {
  switch (examIndex) {
    case 1: return {"du manuel du vol libre", "", 6};
    case 2: return {"2000", "", 9};
    case 3: return {"Pilote Privé Avion", "", 6};
    case 4: return {"ULM", "", 6};
    case 5: return {"Vol à Voile", "", 5};
    case 6: return {"Parapente 2004", kInitialSubtitle, 7};
    case 7: return {"Parapente 2004", kPilotSubtitle, 8};
    case 8: return {"Parapente 2004", kConfirmedSubtitle, 8};
    case 9: return {"Delta 2004", kInitialSubtitle, 7};
    case 10: return {"Delta 2004", kPilotSubtitle, 8};
    case 11: return {"Delta 2004", kConfirmedSubtitle, 6};
    default: return {"", "", 0};
  }
}

bool takesLowerLevels(int examIndex) {
  return examIndex == 7 || examIndex == 8 || examIndex == 10 || examIndex == 11;
}

}  // namespace

const std::string& ErrorReport::line(int k) const {
  static const std::string kNone;
  return k >= 1 && k <= chapterCount() ? lines[k - 1] : kNone;
}

ErrorReport errorReport(int examIndex, bool includeLowerLevels, const ErrorLists& errors) {
  ExamHeading heading = headingOf(examIndex);
  const bool combined = includeLowerLevels && takesLowerLevels(examIndex);
  if (combined) {
    const bool confirmed = examIndex == 8 || examIndex == 11;
    heading.subtitle += confirmed ? kConfirmedIncluded : kPilotIncluded;
    heading.chapters = 8;
  }
  ErrorReport report{heading.title, heading.subtitle, {}};
  for (int k = 1; k <= heading.chapters; ++k)
    report.lines.push_back(combined ? combinedLine(examIndex, k, errors) : errors.list({examIndex, k}));
  return report;
}

}  // namespace ventelle
