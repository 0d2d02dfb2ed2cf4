#include "progress/journal.h"

#include <charconv>

namespace ventelle {
namespace {

constexpr char kSeparator = '\t';
constexpr std::string_view kTrainingMode = "entrainement";
constexpr std::string_view kQuestionnaireMode = "questionnaire";

// A name never breaks the line it stands in.
std::string oneField(std::string text) {
  for (char& c : text)
    if (c == kSeparator || c == '\n' || c == '\r') c = ' ';
  return text;
}

std::vector<std::string_view> fieldsOf(std::string_view line) {
  std::vector<std::string_view> fields;
  for (std::size_t start = 0;;) {
    const std::size_t end = line.find(kSeparator, start);
    fields.push_back(line.substr(start, end - start));
    if (end == std::string_view::npos) return fields;
    start = end + 1;
  }
}

std::optional<int> wholeNumber(std::string_view text, int low, int high) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < low || value > high) return std::nullopt;
  return value;
}

bool isDigits(std::string_view text) {
  for (const char c : text)
    if (c < '0' || c > '9') return false;
  return !text.empty();
}

// YYYY-MM-DD
bool isDay(std::string_view text) {
  return text.size() == 10 && isDigits(text.substr(0, 4)) && text[4] == '-' && isDigits(text.substr(5, 2)) &&
         text[7] == '-' && isDigits(text.substr(8, 2));
}

// YYYY-MM-DDTHH:MM:SS followed by an offset
bool isTime(std::string_view text) {
  return text.size() >= 20 && isDay(text.substr(0, 10)) && text[10] == 'T' && isDigits(text.substr(11, 2)) &&
         text[13] == ':' && isDigits(text.substr(14, 2)) && text[16] == ':' && isDigits(text.substr(17, 2));
}

constexpr int kLargestPoints = 100000;

std::optional<JournalAnswer> answerOf(const std::vector<std::string_view>& f) {
  if (f.size() != 10 || !isTime(f[1])) return std::nullopt;
  const auto exam = wholeNumber(f[2], 1, 99);
  const auto chapter = wholeNumber(f[3], 1, 99);
  const auto points = wholeNumber(f[5], -kLargestPoints, kLargestPoints);
  const auto maxPoints = wholeNumber(f[6], 1, kLargestPoints);
  const auto right = wholeNumber(f[7], 0, 1);
  if (!exam || !chapter || f[4].empty() || !points || !maxPoints || !right) return std::nullopt;
  if (f[8] != kTrainingMode && f[8] != kQuestionnaireMode) return std::nullopt;
  const AnswerMode mode = f[8] == kTrainingMode ? AnswerMode::Training : AnswerMode::Questionnaire;
  return JournalAnswer{std::string(f[1]), *exam,  *chapter, std::string(f[4]), *points, *maxPoints,
                       *right == 1,       mode,   std::string(f[9])};
}

std::optional<JournalChance> chanceOf(const std::vector<std::string_view>& f) {
  if (f.size() != 5 || !isDay(f[1])) return std::nullopt;
  const auto exam = wholeNumber(f[2], 1, 99);
  const auto percent = wholeNumber(f[3], 0, 100);
  const auto margin = wholeNumber(f[4], 0, 100);
  if (!exam || !percent || !margin) return std::nullopt;
  return JournalChance{std::string(f[1]), *exam, *percent, *margin};
}

}  // namespace

std::string_view modeName(AnswerMode mode) {
  return mode == AnswerMode::Training ? kTrainingMode : kQuestionnaireMode;
}

std::string journalLine(const JournalAnswer& a) {
  std::string line = "R";
  for (const std::string& field :
       {a.time, std::to_string(a.exam), std::to_string(a.chapter), oneField(a.question), std::to_string(a.points),
        std::to_string(a.maxPoints), std::string(a.right ? "1" : "0"),
        std::string(modeName(a.mode)), oneField(a.questionnaire)})
    line += kSeparator + field;
  return line;
}

std::string journalLine(const JournalChance& c) {
  std::string line = "C";
  for (const std::string& field :
       {c.day, std::to_string(c.exam), std::to_string(c.percent), std::to_string(c.margin)})
    line += kSeparator + field;
  return line;
}

Journal readJournal(std::string_view bytes) {
  Journal journal;
  for (std::size_t start = 0; start < bytes.size();) {
    const std::size_t end = bytes.find('\n', start);
    // Every line is written with its end: one without is cut short.
    if (end == std::string_view::npos) break;
    std::string_view line = bytes.substr(start, end - start);
    start = end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const auto fields = fieldsOf(line);
    if (fields[0] == "R") {
      if (auto answer = answerOf(fields)) journal.answers.push_back(std::move(*answer));
    } else if (fields[0] == "C") {
      if (auto chance = chanceOf(fields)) journal.chances.push_back(std::move(*chance));
    }
  }
  return journal;
}

}  // namespace ventelle
