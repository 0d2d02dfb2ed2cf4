#pragma once
// The questionnaire in progress as the profile keeps it after "[Historique]":
// one line per question, "chapter,question" in training mode, with the
// answer order and ticks in full-questionnaire mode. The questions' names
// follow in a block of their own, one line each, so that a question is found
// again when its place has changed.
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

// The header of the block of names.
inline const std::string kQuestionNamesHeader = "[Noms]";

// Without the name, which goes to the block.
std::string writeTrainingLine(const SavedQuestion& question);
std::string writeFullQuestionnaireLine(const SavedQuestion& question);

// One line of the block of names: the name between double quotes.
std::string writeNameLine(const std::string& name);
std::string readNameLine(std::string_view line);

// Reads either form, also with the name as a last field, as lines were once
// written; nothing when a field is missing or not a number in range
// (chapter 0..9, question 0 or more, order 0..5, tick 0 or 1).
std::optional<SavedQuestion> readTrainingLine(std::string_view line);
std::optional<SavedQuestion> readFullQuestionnaireLine(std::string_view line);

}  // namespace ventelle
