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

// The head of a questionnaire or a grid, in the bold underlined font set by
// the caller: the "Session" field to fill in by hand (the underline runs
// under the blanks), a field at the right when one is given ("Note:" of an
// answer sheet), and the two titles centred.
void printSheetHeading(PrintCursor& cursor, const PrintedQuestionnaire& questionnaire, std::string_view rightField);

}  // namespace ventelle
