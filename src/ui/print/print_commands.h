#pragma once
// The commands of the "&Impression" menu: each gathers what its document
// shows into a print job and hands it to the printer.
#include <string>

#include "ui/window/window_context.h"

namespace ventelle {

// The most copies one command prints; a larger count is refused.
constexpr int kMaxCopies = 100;

// The copies a typed count asks for: the number the text begins with,
// rounded ("2,6" gives 3, "3 copies" 3). Copies 0 print nothing: a text that
// begins with no number, a count below 1, or above kMaxCopies (tooMany).
struct CopyCount {
  int copies = 0;
  bool tooMany = false;
};
CopyCount copyCountOf(const std::string& typed);

// "Imprimer des &questionaires": the questionnaire composed for print, as
// many copies as the user asks.
void printQuestionnaires(WindowContext& ctx);

// "Imprimer des grilles de &réponses": blank answer sheets of the exam's
// grid, as many as the user asks.
void printAnswerSheets(WindowContext& ctx);

// "Imprimer une grille de &correction": the composed questionnaire's
// answers, once.
void printCorrectionGrid(WindowContext& ctx);

// "Imprimer l'état des &erreurs": the active user's mistakes on the exam,
// chapter by chapter.
void printErrorReport(WindowContext& ctx);

}  // namespace ventelle
