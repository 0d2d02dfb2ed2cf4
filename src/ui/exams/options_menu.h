#pragma once
// The commands of the "&Options" menu that shape the questionnaire.
#include "ui/window/window_context.h"

namespace ventelle {

// R.A.Z.: starts the test over with a fresh question.
void resetPoints(WindowContext& ctx);

// After a change of test size or marking the test starts over, in training
// mode.
void restartTest(WindowContext& ctx);

// "&Evaluation continue": switches between training and full-questionnaire mode.
void toggleEvaluationMode(WindowContext& ctx);

void toggleConfirmedTest(WindowContext& ctx);
void toggleInstructorTest(WindowContext& ctx);
void toggleConformMarking(WindowContext& ctx);
// Entry 1 "Stop si &Réussite" or 2 "Stop si &Echec".
void toggleStopEntry(WindowContext& ctx, int entry);

// "&Fréquence de Repose": one question in p is a re-ask (0: never).
void chooseReaskPeriod(WindowContext& ctx, int p);
// "&Tirage": chapter priority or question priority.
void chooseDrawMode(WindowContext& ctx, bool chapterPriority);

// A click on chapter box i.
void chapterBoxClick(WindowContext& ctx, int i);

// Menu item name of a re-ask period.
std::string reaskEntryName(int p);

}  // namespace ventelle
