#include "bank/question_loader.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "core/exam_catalogue.h"
#include "core/fatal_error.h"
#include "core/record_reader.h"

namespace ventelle {

std::string corruptChapterMessage(const std::string& bankPrefix, int chapter, const std::string& name) {
  return "Le fichier " + chapterFilePath(bankPrefix, chapter) + " est corrompu à la question " + name +
         ", l'application va se terminer";
}

double leadingNumber(const std::string& text) {
  std::size_t pos = text.find_first_not_of(' ');
  if (pos == std::string::npos) return 0;
  double sign = 1;
  if (text[pos] == '-' || text[pos] == '+') sign = text[pos++] == '-' ? -1 : 1;
  double value = 0;
  while (pos < text.size() && std::isdigit(static_cast<unsigned char>(text[pos])))
    value = value * 10 + (text[pos++] - '0');
  if (pos < text.size() && text[pos] == '.') {
    double scale = 0.1;
    while (++pos < text.size() && std::isdigit(static_cast<unsigned char>(text[pos]))) {
      value += (text[pos] - '0') * scale;
      scale /= 10;
    }
  }
  return std::clamp(sign * value, -kLargestAnswerValue, kLargestAnswerValue);
}

Question readQuestion(const ChapterIndex& chapter, int chapterNumber, int place, const std::string& bankPrefix) {
  const QuestionHeader& header = chapter.headers.at(place - 1);
  Question q;
  q.chapter = chapterNumber;
  q.index = place;
  q.name = header.name;
  auto damaged = [&] { return FatalError(corruptChapterMessage(bankPrefix, chapterNumber, q.name)); };

  RecordReader reader(chapter.lines, header.lineAfterHeader);
  reader.setCurrentLine(header.name);
  reader.nextLine();
  if (reader.item() != "Question") throw damaged();
  q.text = reader.data();

  // Nothing but blanks or comments after the question line: damaged too
  // (the last line read must not be taken for an answer).
  if (!reader.nextLine()) throw damaged();
  reader.resetLineHasNoKey();
  const bool hasComment = reader.item() == "Cmt";
  if (hasComment) {
    q.comment = reader.data();
  } else if (reader.lineHasNoKey()) {
    throw damaged();
  }

  reader.resetLineHasNoKey();
  int k = 0;
  bool lineHeld = !hasComment;
  while (k < kMaxAnswers) {
    // A comment or blank line that ends the file is no answer.
    if (!lineHeld && !reader.nextLine()) break;
    lineHeld = false;
    std::string answer = reader.item();
    if (reader.lineHasNoKey()) break;
    ++k;
    q.answerTexts[k] = std::move(answer);
    q.answerValues[k] = leadingNumber(reader.data());
  }
  q.answerCount = k;
  for (int i = 1; i <= kMaxAnswers; ++i) q.answerOrder[i] = i <= k ? i : 0;
  return q;
}

namespace {

void placeAnswers(Question& q) {
  const int n = q.answerCount;
  const auto texts = q.answerTexts;
  const auto values = q.answerValues;
  for (int i = 1; i <= n; ++i) {
    q.answerTexts[i] = texts[q.answerOrder[i]];
    q.answerValues[i] = std::nearbyint(values[q.answerOrder[i]]);
  }
}

}  // namespace

void shuffleAnswers(Question& q, RandomSource& random) {
  const int n = q.answerCount;
  for (int i = 1; i <= n; ++i) {
    int r = 0;
    bool taken = true;
    while (taken) {
      r = random.draw(n);
      taken = false;
      for (int j = 1; j < i; ++j) taken = taken || q.answerOrder[j] == r;
    }
    q.answerOrder[i] = r;
  }
  placeAnswers(q);
}

bool applyAnswerOrder(Question& q, const std::array<int, kMaxAnswers + 1>& order) {
  std::array<bool, kMaxAnswers + 1> seen{};
  for (int i = 1; i <= kMaxAnswers; ++i) {
    const bool used = i <= q.answerCount;
    if (!used && order[i] != 0) return false;
    if (used && (order[i] < 1 || order[i] > q.answerCount || seen[order[i]])) return false;
    if (used) seen[order[i]] = true;
  }
  q.answerOrder = order;
  placeAnswers(q);
  return true;
}

}  // namespace ventelle
