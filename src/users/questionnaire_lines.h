#pragma once
// The questionnaire in progress as the profile keeps it after "[Historique]":
// one line per question, "chapter,question" in training mode, with the
// answer order and ticks in full-questionnaire mode, then the question's
// name, so that the question is found again when its place has changed.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "bank/question.h"

namespace ventelle {

struct SavedQuestion {
  int chapter = 0;  // 0: an empty slot
  int index = 0;    // place of the question in its chapter file
  std::array<int, kMaxAnswers + 1> ordre{};  // 1..5
  std::array<int, kMaxAnswers + 1> coche{};  // 1..5
  std::string name;  // empty on a line saved before names were kept
};

std::string writeTrainingLine(const SavedQuestion& question);
std::string writeFullQuestionnaireLine(const SavedQuestion& question);

// Reads either form, with or without the name; nothing when a field is missing or not a number in
// range (chapter 0..9, question 0 or more, order 0..5, tick 0 or 1).
std::optional<SavedQuestion> readTrainingLine(std::string_view line);
std::optional<SavedQuestion> readFullQuestionnaireLine(std::string_view line);

}  // namespace ventelle
