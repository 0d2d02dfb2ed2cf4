#pragma once
// The active user's journal: every answer the quiz marks is written to it
// once, when it is marked, and kept in memory for the estimates.
#include <filesystem>
#include <string>

#include "progress/journal.h"
#include "ui/window/window_context.h"

namespace ventelle {

// "<user>.journal" beside the profile.
std::filesystem::path journalFileOf(const WindowContext& ctx, const std::string& user);

// Reads the active user's journal into the window.
void loadJournal(WindowContext& ctx);

// Empties that user's journal; the window's too when the user is the active one.
void forgetJournal(WindowContext& ctx, const std::string& user);

// Writes one line to the active user's journal; a failure is told once,
// until a write succeeds again.
void appendToJournal(WindowContext& ctx, const std::string& line);

// A question of the exam on screen has been marked: points as marked before
// any floor, right when no answer was a mistake. Goose-game answers belong to
// the players and are not written.
void journalAnswer(WindowContext& ctx, const Question& question, int points, bool right, AnswerMode mode,
                   const std::string& questionnaire = "");

}  // namespace ventelle
