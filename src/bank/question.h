#pragma once
// One question as read from its chapter file.
#include <array>
#include <string>

#include "core/utf8_text.h"

namespace ventelle {

constexpr int kMaxAnswers = 5;

struct Question {
  int chapter = 0;
  int index = 0;             // place of its header in the chapter file, 1-based
  std::string name;          // header name
  std::string text;
  std::string comment = "-"; // "-" when the question has none
  int answerCount = 0;
  // Places 1..5 are used (slot 0 unused) so code reads like the file.
  std::array<std::string, kMaxAnswers + 1> answerTexts{};
  std::array<double, kMaxAnswers + 1> answerValues{};
  std::array<int, kMaxAnswers + 1> answerOrder{};  // answerOrder[i]: file place shown at place i
};

// "D"/"d" marks a hang-glider question, "P"/"p" a paraglider one.
inline char wingMarkOf(const std::string& name) {
  if (name.empty()) return 0;
  if (name[0] == 'D' || name[0] == 'd') return 'D';
  if (name[0] == 'P' || name[0] == 'p') return 'P';
  return 0;
}

// A name ending in a lower-case "i" has a picture.
inline bool hasPicture(const std::string& name) { return !name.empty() && name.back() == 'i'; }

// A comment "Lex:"Term"" names a lexicon entry: its characters 6 to
// last-but-one, whatever its quotes ("Term", “Term”, «Term»).
inline bool isLexiconComment(const std::string& comment) { return comment.rfind("Lex", 0) == 0; }
inline std::string lexiconWordOf(const std::string& comment) { return trimCharacters(comment, 5, 1); }

}  // namespace ventelle
