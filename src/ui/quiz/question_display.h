#pragma once
// Putting a question on the window.
#include "ui/window/window_context.h"

namespace ventelle {

// Unticks and clears the answer boxes without taking it as user ticks.
void resetAnswerBoxes(WindowContext& ctx);

// Reads the question at that place of the chapter, shuffles its answers and
// shows it, telling the user when its picture cannot be shown. Returns false
// (after telling the user) when the chapter file is missing or holds no
// question. Throws FatalError on a damaged question.
bool loadQuestion(WindowContext& ctx, int chapter, int place);

// Trouve_Label: the name of the question at that place of the chapter file,
// or the fallback when the file no longer holds it.
std::string questionLabel(WindowContext& ctx, int chapter, int place, const std::string& fallback);

// Number, wing mark and picture of a question from its name, for a question
// shown again: a picture that cannot be shown was told of when it was drawn.
void showQuestionHeading(WindowContext& ctx, int chapter, const std::string& name);

// Gives a chapter box the colours of the chapter on screen, or its normal ones.
void colourChapterBox(WindowContext& ctx, int chapter, bool drawn);

// Shows the comment paperclip, or the lexicon one for a "Lex" comment.
void showPaperclip(WindowContext& ctx);
void hidePaperclips(WindowContext& ctx);

}  // namespace ventelle
