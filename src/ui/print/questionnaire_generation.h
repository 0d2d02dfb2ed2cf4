#pragma once
// Print preparation: a whole questionnaire composed on screen before it is
// printed. Its questions fill the history list, where a click shows one and a
// double-click draws another in its place; the question button, captioned
// "Retour au Questionnaire", leaves the mode.
#include "ui/window/window_context.h"

namespace ventelle {

// TousChapitres: ticks every chapter box of the exam, except chapter 6 of
// the 2000 and aeroplane banks.
void selectAllChapters(WindowContext& ctx);

// "&Générer un questionnaire": saves the user's state, then composes a
// questionnaire of the exam's size from all its chapters and enters print
// preparation. A question that cannot be loaded stops it: the user has been
// told, and the mode is left again.
void generateQuestionnaire(WindowContext& ctx);

// "Retour au Questionnaire": leaves print preparation and takes up again the
// state saved on entering it.
void leavePrintPreparation(WindowContext& ctx);

// A composed questionnaire is on view: the question button leads back.
bool inPrintPreparation(const WindowContext& ctx);

// A click on history entry `row` (0-based) shows that question; a
// double-click replaces it by a fresh draw. Both act in print preparation only.
void showHistoryEntry(WindowContext& ctx, int row);
void replaceHistoryEntry(WindowContext& ctx, int row);

}  // namespace ventelle
