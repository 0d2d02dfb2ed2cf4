#pragma once
// A user's journal: one line for every answer the quiz has marked, and one
// line a day with the chance to pass an exam as it stood that day. Plain
// UTF-8 text that only ever grows, so that a crash loses at most the line
// being written; a line that cannot be read is passed over.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ventelle {

inline constexpr std::string_view kJournalHeader = "Ventelle journal 1";
inline constexpr std::string_view kJournalExtension = ".journal";

enum class AnswerMode { Training, Questionnaire };

struct JournalAnswer {
  std::string time;  // ISO 8601 with the offset
  int exam = 0;
  int chapter = 0;
  std::string question;  // the question's name in its chapter file
  int points = 0;        // as marked, before a negative total is floored
  int maxPoints = 6;
  bool right = false;    // no mistake on any answer
  AnswerMode mode = AnswerMode::Training;
  std::string questionnaire;  // shared by the questions of one full questionnaire

  std::string day() const { return time.substr(0, 10); }
  friend bool operator==(const JournalAnswer&, const JournalAnswer&) = default;
};

// The chance to pass an exam at the end of a day, in whole percent.
struct JournalChance {
  std::string day;  // YYYY-MM-DD
  int exam = 0;
  int percent = 0;
  int margin = 0;  // half the width of its 80 % interval

  friend bool operator==(const JournalChance&, const JournalChance&) = default;
};

struct Journal {
  std::vector<JournalAnswer> answers;  // in the order written
  std::vector<JournalChance> chances;
};

// "entrainement" or "questionnaire", as the journal writes the mode.
std::string_view modeName(AnswerMode mode);

std::string journalLine(const JournalAnswer& answer);
std::string journalLine(const JournalChance& chance);

// Every line that reads as an answer or a chance; the rest is passed over.
Journal readJournal(std::string_view bytes);

}  // namespace ventelle
