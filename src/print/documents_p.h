#pragma once
// The four printed documents, each drawn whole on the device; drawDocument
// chooses among them.
#include "print/print_cursor.h"
#include "print/print_job.h"

namespace ventelle {

// Every copy of the questionnaire, one after the other, each numbered from
// page 1.
void printQuestionnaires(PrintDevice& device, const PrintedQuestionnaire& questionnaire, int copies);
// Hauteur_Question: how tall question `number` prints, from its label to
// the end of its last answer (not the gap after it), measured by laying it
// out dry from the cursor's place.
double questionHeight(const PrintCursor& cursor, const PrintedQuestion& question, int number);

// Blank answer sheets, one page each.
void printAnswerSheets(PrintDevice& device, const PrintedQuestionnaire& questionnaire, int copies);
// The correction grid of the questionnaire, on one page.
void printCorrectionGrid(PrintDevice& device, const PrintedQuestionnaire& questionnaire);

// The user's error report, in twips.
void printErrorReport(PrintDevice& device, const PrintedErrorReport& report);

// The header line's field to fill in by hand: the underline runs under the
// blanks.
inline constexpr std::string_view kSessionField = "Session                       ";

}  // namespace ventelle
