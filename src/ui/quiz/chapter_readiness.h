#pragma once
// How ready the user is for each chapter of the exam on screen, told in the
// tooltip of its box.
#include <string>
#include <vector>

#include "progress/exam_results.h"
#include "ui/window/window_context.h"

namespace ventelle {

// A chapter of the exam on screen with the names of the questions of its
// file (none when it cannot be read).
ChapterQuestions chapterQuestionsOf(WindowContext& ctx, int chapter);

// "Réussite estimée : 78 % (entre 70 et 85 %), 40 % des questions vues"
std::string readinessText(const Readiness& readiness);

// Each chapter box's tooltip: its caption, then its readiness.
void refreshChapterReadiness(WindowContext& ctx);

}  // namespace ventelle
