#include "users/questionnaire_lines.h"

#include <vector>

#include "core/record_reader.h"
#include "users/profile_fields.h"

namespace ventelle {
namespace {

constexpr int kHighestChapter = 9;

std::optional<std::vector<int>> numbers(const std::vector<std::string>& fields, std::size_t count) {
  if (fields.size() < count) return std::nullopt;
  std::vector<int> values;
  for (std::size_t k = 0; k < count; ++k) {
    const auto value = wholeNumber(fields[k]);
    if (!value) return std::nullopt;
    values.push_back(*value);
  }
  return values;
}

std::optional<SavedQuestion> placeOf(const std::vector<int>& values) {
  if (values[0] < 0 || values[0] > kHighestChapter || values[1] < 0) return std::nullopt;
  SavedQuestion question;
  question.chapter = values[0];
  question.index = values[1];
  return question;
}

// A quoted name runs to the last double quote, so that a name holding one
// reads back as it was written.
std::optional<std::string> quotedName(std::string_view text) {
  const std::string name = trimSpaces(text);
  if (name.size() >= 2 && name.front() == '"' && name.back() == '"') return name.substr(1, name.size() - 2);
  return std::nullopt;
}

// The field after the numbers, when there is one, as lines were once written.
std::string nameField(std::string_view line, const std::vector<std::string>& fields, std::size_t count) {
  if (fields.size() <= count) return {};
  // The numbers hold no comma: the name follows the count-th one.
  std::size_t at = 0;
  for (std::size_t k = 0; k < count; ++k) at = line.find(',', at) + 1;
  return quotedName(line.substr(at)).value_or(fields[count]);
}

}  // namespace

std::string writeTrainingLine(const SavedQuestion& q) { return std::to_string(q.chapter) + "," + std::to_string(q.index); }

std::string writeFullQuestionnaireLine(const SavedQuestion& q) {
  std::string line = std::to_string(q.chapter) + "," + std::to_string(q.index);
  for (int k = 1; k <= kMaxAnswers; ++k) line += "," + std::to_string(q.ordre[k]) + "," + std::to_string(q.coche[k]);
  return line;
}

std::string writeNameLine(const std::string& name) { return "\"" + name + "\""; }

std::string readNameLine(std::string_view line) { return quotedName(line).value_or(trimSpaces(line)); }

std::optional<SavedQuestion> readTrainingLine(std::string_view line) {
  const auto fields = splitProfileFields(line);
  const auto values = numbers(fields, 2);
  auto question = values ? placeOf(*values) : std::nullopt;
  if (question) question->name = nameField(line, fields, 2);
  return question;
}

std::optional<SavedQuestion> readFullQuestionnaireLine(std::string_view line) {
  const auto fields = splitProfileFields(line);
  const auto values = numbers(fields, 2 + 2 * kMaxAnswers);
  if (!values) return std::nullopt;
  auto question = placeOf(*values);
  if (!question) return std::nullopt;
  question->name = nameField(line, fields, 2 + 2 * kMaxAnswers);
  for (int k = 1; k <= kMaxAnswers; ++k) {
    const int ordre = (*values)[2 * k];
    const int coche = (*values)[2 * k + 1];
    if (ordre < 0 || ordre > kMaxAnswers || coche < 0 || coche > 1) return std::nullopt;
    question->ordre[k] = ordre;
    question->coche[k] = coche;
  }
  return question;
}

}  // namespace ventelle
