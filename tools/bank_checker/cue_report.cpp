#include "bank_checker/cue_report.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <set>

#include "bank/chapter_library.h"
#include "bank/question_loader.h"
#include "bank_checker/fault.h"
#include "bank_checker/folder_check.h"
#include "core/exam_catalogue.h"
#include "core/text_file.h"
#include "core/utf8_text.h"

namespace ventelle::bankcheck {
namespace {

// Absolute words, written without accents as the folded text holds them.
const std::set<std::string> kAbsoluteWords = {
    "toujours",   "jamais",        "aucun",            "aucune",          "rien",
    "seulement",  "uniquement",    "exclusivement",    "systematiquement", "obligatoirement",
    "forcement",  "necessairement", "absolument",      "totalement",      "completement"};

// Short words that say nothing of a question's point.
const std::set<std::string> kStopWords = {
    "avec", "dans", "elle", "elles", "entre", "etre", "faire", "fait", "faites", "font", "leur", "leurs",
    "lors", "moins", "nous", "pour", "plus", "quel", "quelle", "quelles", "quels", "sans", "sont", "sous",
    "cette", "tous", "tout", "tres", "vers", "votre", "vous", "avoir", "peut", "doit", "comment", "pourquoi", "quand"};

// The base letter of a Latin-1 accented letter (U+00C0..U+00FF), or 0.
char baseLetter(std::uint32_t cp) {
  static const char kBase[] =
      "aaaaaaaceeeeiiii"   // C0..CF
      "dnooooo ouuuuyts"   // D0..DF
      "aaaaaaaceeeeiiii"   // E0..EF
      "dnooooo ouuuuyty";  // F0..FF
  if (cp < 0xC0 || cp > 0xFF) return 0;
  const char c = kBase[cp - 0xC0];
  return c == ' ' ? 0 : c;
}

constexpr std::uint32_t kNoBreakSpace = 0xA0;

// The code points of a UTF-8 text.
std::vector<std::uint32_t> codePoints(const std::string& text) {
  std::vector<std::uint32_t> points;
  for (std::size_t i = 0; i < text.size();) {
    const auto b = static_cast<unsigned char>(text[i]);
    std::uint32_t cp = b;
    std::size_t length = 1;
    if (b >= 0xF0) {
      cp = b & 0x07;
      length = 4;
    } else if (b >= 0xE0) {
      cp = b & 0x0F;
      length = 3;
    } else if (b >= 0xC0) {
      cp = b & 0x1F;
      length = 2;
    }
    for (std::size_t k = 1; k < length && i + k < text.size(); ++k)
      cp = (cp << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
    i += length;
    points.push_back(cp);
  }
  return points;
}

bool isBlank(std::uint32_t cp) { return cp == ' ' || cp == '\t' || cp == kNoBreakSpace; }

// Lower-case words of ASCII letters and digits, accents dropped; "œ" reads "oe".
std::vector<std::string> foldedWords(const std::string& text) {
  std::vector<std::string> words;
  std::string word;
  auto flush = [&] {
    if (!word.empty()) words.push_back(std::move(word));
    word.clear();
  };
  for (const std::uint32_t cp : codePoints(text)) {
    if (cp < 0x80 && std::isalnum(static_cast<int>(cp))) {
      word += static_cast<char>(std::tolower(static_cast<int>(cp)));
    } else if (const char base = baseLetter(cp)) {
      word += base;
    } else if (cp == 0x0153 || cp == 0x0152) {
      word += "oe";
    } else {
      flush();
    }
  }
  flush();
  return words;
}

bool isLetter(std::uint32_t cp) {
  return (cp < 0x80 && std::isalnum(static_cast<int>(cp))) || (cp >= 0xC0 && cp <= 0x24F && cp != 0xD7 && cp != 0xF7);
}

bool isApostrophe(std::uint32_t cp) { return cp == '\'' || cp == 0x2019; }

// A word as written, in lower case, and whether an apostrophe ends it ("n'", "qu'").
struct Word {
  std::string text;
  bool elided = false;
};

std::vector<Word> wordsAsWritten(const std::string& text) {
  std::vector<Word> words;
  std::string word;
  for (const std::uint32_t cp : codePoints(text)) {
    if (isLetter(cp)) {
      std::uint32_t lower = cp;
      if (cp < 0x80) lower = static_cast<std::uint32_t>(std::tolower(static_cast<int>(cp)));
      else if (cp >= 0xC0 && cp <= 0xDE) lower = cp + 0x20;
      appendUtf8(word, lower);
      continue;
    }
    if (!word.empty()) words.push_back({std::move(word), isApostrophe(cp)});
    word.clear();
  }
  if (!word.empty()) words.push_back({std::move(word), false});
  return words;
}

bool isOneOf(const std::string& word, std::initializer_list<const char*> forms) {
  return std::any_of(forms.begin(), forms.end(), [&](const char* form) { return word == form; });
}

bool isCapital(std::uint32_t cp) { return (cp >= 'A' && cp <= 'Z') || (cp >= 0xC0 && cp <= 0xDE && cp != 0xD7); }

// A word folded as foldedWords folds it, with what it was written with.
struct FoldedWord {
  std::string text;
  bool capitals = true;  // every letter a capital
  bool digits = true;    // digits only
};

std::vector<FoldedWord> foldedWordsWithCase(const std::string& text) {
  std::vector<FoldedWord> words;
  FoldedWord word;
  auto flush = [&] {
    if (!word.text.empty()) words.push_back(std::move(word));
    word = FoldedWord{};
  };
  for (const std::uint32_t cp : codePoints(text)) {
    const bool digit = cp < 0x80 && std::isdigit(static_cast<int>(cp));
    std::string folded;
    if (cp < 0x80 && std::isalnum(static_cast<int>(cp))) {
      folded = static_cast<char>(std::tolower(static_cast<int>(cp)));
    } else if (const char base = baseLetter(cp)) {
      folded = base;
    } else if (cp == 0x0153 || cp == 0x0152) {
      folded = "oe";
    } else {
      flush();
      continue;
    }
    word.text += folded;
    word.digits = word.digits && digit;
    if (!digit) word.capitals = word.capitals && isCapital(cp);
  }
  flush();
  return words;
}

std::set<std::string> stems(const std::string& text) {
  std::set<std::string> result;
  for (const auto& w : foldedWordsWithCase(text)) {
    if (w.digits) {
      result.insert("#" + w.text);
    } else if (w.text.size() >= 4) {
      if (!kStopWords.contains(w.text)) result.insert(w.text.substr(0, 6));
    } else if (w.text.size() >= 2 && w.capitals) {
      result.insert(w.text);
    }
  }
  return result;
}

double jaccard(const std::set<std::string>& a, const std::set<std::string>& b) {
  if (a.empty() && b.empty()) return 0;
  std::size_t shared = 0;
  for (const auto& s : a) shared += b.contains(s);
  return double(shared) / double(a.size() + b.size() - shared);
}

// Shared stems over the stems of the shorter set.
double containment(const std::set<std::string>& a, const std::set<std::string>& b) {
  if (a.empty() || b.empty()) return 0;
  std::size_t shared = 0;
  for (const auto& s : a) shared += b.contains(s);
  return double(shared) / double(std::min(a.size(), b.size()));
}

// What the near-duplicate search compares of one question.
struct QuestionStems {
  std::set<std::string> text, right, both;
  std::vector<std::set<std::string>> rightAnswers, wrongAnswers;
  std::set<std::string> rightNumbers;  // the numbers its right answers state
  std::vector<std::string> rightWords;  // all the words of its right answers, for those too short to stem
};

QuestionStems questionStems(const CueQuestion& q) {
  QuestionStems result;
  result.text = stems(q.text);
  result.both = result.text;
  for (const auto& [answer, value] : q.answers) {
    auto answerStems = stems(answer);
    if (value > 0) {
      result.right.insert(answerStems.begin(), answerStems.end());
      result.both.insert(answerStems.begin(), answerStems.end());
      for (const auto& w : foldedWordsWithCase(answer)) {
        if (w.digits) result.rightNumbers.insert(w.text);
        result.rightWords.push_back(w.text);
      }
      result.rightAnswers.push_back(std::move(answerStems));
    } else {
      result.wrongAnswers.push_back(std::move(answerStems));
    }
  }
  return result;
}

double bestContainment(const std::set<std::string>& answer, const std::vector<std::set<std::string>>& others) {
  double best = 0;
  for (const auto& other : others) best = std::max(best, containment(answer, other));
  return best;
}

// A right answer of `a` that reads as a wrong answer of `b` (and less as its
// right one) shows two neighbouring points asked in contrast: the lift and
// the drag of a wing, too high and too low on final.
bool rightAnswerWrongInOther(const QuestionStems& a, const QuestionStems& b) {
  constexpr double kReadsAs = 0.75;
  return std::any_of(a.rightAnswers.begin(), a.rightAnswers.end(), [&](const std::set<std::string>& answer) {
    const double asWrong = bestContainment(answer, b.wrongAnswers);
    return asWrong >= kReadsAs && asWrong > bestContainment(answer, b.rightAnswers);
  });
}

// The key-and-text likeness of two questions that ask the same point, or a
// negative number. Two calculations whose right answers state other numbers
// ask for other values, however alike their wording.
double sameConcern(const QuestionStems& a, const QuestionStems& b, const CueThresholds& limits) {
  if (!a.rightNumbers.empty() && !b.rightNumbers.empty() && a.rightNumbers != b.rightNumbers) return -1;
  if (rightAnswerWrongInOther(a, b) || rightAnswerWrongInOther(b, a)) return -1;
  constexpr double kRounding = 1e-9;
  const double text = jaccard(a.text, b.text) + kRounding;
  const bool shortRights = a.right.empty() && b.right.empty();
  const double right = (shortRights ? double(a.rightWords == b.rightWords) : jaccard(a.right, b.right)) + kRounding;
  const double both = jaccard(a.both, b.both);
  for (const auto& shape : limits.duplicateShapes)
    if (text >= shape.text && right >= shape.right && both + kRounding >= shape.both) return both;
  return -1;
}

// The place of the option strictly longer (or, when `shortest`, strictly
// shorter) than every other, or -1.
int strictlyLongest(const CueQuestion& q, bool shortest = false) {
  int best = -1;
  std::size_t bestLength = 0;
  bool tie = false;
  for (std::size_t i = 0; i < q.answers.size(); ++i) {
    const std::size_t length = answerLength(q.answers[i].first);
    if (best < 0 || (shortest ? length < bestLength : length > bestLength)) {
      best = static_cast<int>(i);
      bestLength = length;
      tie = false;
    } else if (length == bestLength) {
      tie = true;
    }
  }
  return tie ? -1 : best;
}

// Modules one 2004 brevet can draw from, with or without its lower levels.
std::vector<std::set<int>> modulesDrawnTogether() {
  std::vector<std::set<int>> sets;
  for (int exam = 6; exam <= 11; ++exam) {
    std::set<int> modules;
    for (int m : modulesOf(exam)) modules.insert(m);
    for (const auto& join : lowerLevelJoins(exam)) modules.insert({join.a, join.b});
    if (exam == 11)  // rebuilt first as the pilot brevet when it includes the lower levels
      for (int m : modulesOf(10)) modules.insert(m);
    modules.erase(0);
    sets.push_back(std::move(modules));
  }
  return sets;
}

bool sameBank(const CueQuestion&, const CueQuestion&) { return true; }

bool drawnTogether(const CueQuestion& a, const CueQuestion& b) {
  static const auto kSets = modulesDrawnTogether();
  return std::any_of(kSets.begin(), kSets.end(),
                     [&](const std::set<int>& s) { return s.contains(a.module) && s.contains(b.module); });
}

std::vector<CueQuestion> questionsOf(const ProgramFolder& folder, const std::string& programPath, int module) {
  std::vector<CueQuestion> questions;
  const auto lines = readTextFile(folder.resolve(programPath));
  if (!lines) return questions;
  const ChapterIndex chapter = indexChapter(*lines);
  for (std::size_t place = 1; place <= chapter.headers.size(); ++place) {
    try {
      const Question q = readQuestion(chapter, 1, static_cast<int>(place), "");
      CueQuestion cue{shownPath(programPath) + " [" + q.name + "]", module, q.text, {}};
      for (int i = 1; i <= q.answerCount; ++i) cue.answers.emplace_back(q.answerTexts[i], q.answerValues[i]);
      questions.push_back(std::move(cue));
    } catch (const std::exception&) {
      // A question the loader rejects is the ordinary check's to report.
    }
  }
  return questions;
}

}  // namespace

const char* const kRestrictivePatterns =
    "« ne » ou « n' » suivi plus loin de « que » ou « qu' », « seul(e)(s) », « quel(le)(s) que soi(en)t », "
    "« exclusivement »";

std::string percentText(double share, int decimals) {
  if (decimals <= 0) return std::to_string(static_cast<int>(share * 100 + 0.5)) + " %";
  const int tenths = static_cast<int>(share * 1000 + 0.5);
  return std::to_string(tenths / 10) + "," + std::to_string(tenths % 10) + " %";
}

std::string pointsText(double share) {
  std::string text = percentText(share, std::abs(share * 100 - std::round(share * 100)) > 1e-9 ? 1 : 0);
  return text.substr(0, text.size() - 2) + " points";
}

std::size_t answerLength(const std::string& utf8Text) {
  std::size_t length = 0;
  bool blankPending = false;
  for (const std::uint32_t cp : codePoints(utf8Text)) {
    if (isBlank(cp)) {
      blankPending = length > 0;
      continue;
    }
    length += blankPending ? 2 : 1;
    blankPending = false;
  }
  return length;
}

bool holdsRestrictiveWording(const std::string& utf8Text) {
  const auto words = wordsAsWritten(utf8Text);
  bool negation = false;
  for (std::size_t i = 0; i < words.size(); ++i) {
    const Word& w = words[i];
    const bool que = (w.text == "que" && !w.elided) || (w.text == "qu" && w.elided);
    if (que && negation) return true;
    if ((w.text == "ne" && !w.elided) || (w.text == "n" && w.elided)) negation = true;
    if (isOneOf(w.text, {"seul", "seule", "seuls", "seules", "exclusivement"})) return true;
    if (isOneOf(w.text, {"quel", "quelle", "quels", "quelles"}) && i + 2 < words.size() &&
        words[i + 1].text == "que" && isOneOf(words[i + 2].text, {"soit", "soient"}))
      return true;
  }
  return false;
}

bool holdsAbsoluteWord(const std::string& utf8Text) {
  const auto words = foldedWords(utf8Text);
  return std::any_of(words.begin(), words.end(), [](const std::string& w) { return kAbsoluteWords.contains(w); });
}

double stemSimilarity(const std::string& a, const std::string& b) { return jaccard(stems(a), stems(b)); }

std::vector<std::string> BankCues::breaches(const CueThresholds& limits) const {
  std::vector<std::string> found;
  const auto awayFromChance = [&](double share, const char* what) {
    if (singleAnswer > 0 && std::abs(share - singleChanceShare()) > limits.singleAwayFromChance)
      found.push_back(std::string("réponse juste la plus ") + what + " dans " + percentText(share) +
                      " des questions à une réponse, pour un hasard de " + percentText(singleChanceShare()) +
                      " (écart permis : " + pointsText(limits.singleAwayFromChance) + ")");
  };
  awayFromChance(longestRightShare(), "longue");
  awayFromChance(shortestRightShare(), "courte");
  if (multiAnswer > 0 && std::abs(multiLongestShare() - multiChanceShare()) > limits.multiAboveChance)
    found.push_back("option la plus longue juste dans " + percentText(multiLongestShare()) +
                    " des questions à plusieurs réponses, pour un hasard de " + percentText(multiChanceShare()));
  if (absoluteShare() > limits.absoluteMax)
    found.push_back("mot absolu dans " + percentText(absoluteShare()) + " des réponses fausses (au plus " +
                    percentText(limits.absoluteMax) + ")");
  if (wrongRestrictiveShare() > rightRestrictiveShare() + limits.restrictiveMargin + 1e-9)
    found.push_back("tournure restrictive dans " + percentText(wrongRestrictiveShare(), 1) +
                    " des réponses fausses, pour " + percentText(rightRestrictiveShare(), 1) +
                    " des réponses justes (écart permis : " + pointsText(limits.restrictiveMargin) + ")");
  if (!everyWrongAbsolute.empty())
    found.push_back(std::to_string(everyWrongAbsolute.size()) + " question(s) dont chaque réponse fausse porte un mot absolu");
  if (!duplicates.empty()) found.push_back(std::to_string(duplicates.size()) + " paire(s) de questions presque semblables");
  return found;
}

BankCues measureCues(const std::string& bank, const std::vector<CueQuestion>& questions,
                     bool (*mayMeet)(const CueQuestion&, const CueQuestion&), const CueThresholds& limits) {
  BankCues cues;
  cues.bank = bank;
  cues.questions = static_cast<int>(questions.size());
  std::vector<QuestionStems> keys;
  for (const auto& q : questions) {
    int right = 0, wrong = 0, wrongAbsolute = 0;
    for (const auto& [text, value] : q.answers) {
      if (value > 0) {
        ++right;
        cues.rightRestrictive += holdsRestrictiveWording(text);
      } else {
        ++wrong;
        wrongAbsolute += holdsAbsoluteWord(text);
        cues.wrongRestrictive += holdsRestrictiveWording(text);
      }
    }
    const int longest = strictlyLongest(q);
    const bool longestRight = longest >= 0 && q.answers[longest].second > 0;
    const int shortest = strictlyLongest(q, true);
    if (right == 1) {
      ++cues.singleAnswer;
      cues.singleLongestRight += longestRight;
      cues.singleShortestRight += shortest >= 0 && q.answers[shortest].second > 0;
      cues.singleChance += 1.0 / double(q.answers.size());
    } else if (right > 1) {
      ++cues.multiAnswer;
      cues.multiLongestRight += longestRight;
      cues.multiChance += double(right) / double(q.answers.size());
    }
    cues.wrongAnswers += wrong;
    cues.rightAnswers += right;
    cues.wrongAbsolute += wrongAbsolute;
    if (wrong > 0 && wrongAbsolute == wrong) cues.everyWrongAbsolute.push_back(q.where);
    keys.push_back(questionStems(q));
  }
  for (std::size_t i = 0; i < questions.size(); ++i)
    for (std::size_t j = i + 1; j < questions.size(); ++j) {
      if (!mayMeet(questions[i], questions[j])) continue;
      const double similarity = sameConcern(keys[i], keys[j], limits);
      if (similarity >= 0) cues.duplicates.push_back({questions[i].where, questions[j].where, similarity});
    }
  return cues;
}

std::vector<BankCues> measureFolderCues(const ProgramFolder& folder, const CueThresholds& limits) {
  std::vector<BankCues> banks;
  std::vector<CueQuestion> modules;
  for (int module = 1; module <= kModuleCount; ++module) {
    auto questions = questionsOf(folder, "2004\\" + std::to_string(module) + ".qcm", module);
    modules.insert(modules.end(), questions.begin(), questions.end());
  }
  banks.push_back(measureCues("2004", modules, drawnTogether, limits));
  for (int exam = 1; exam <= 5; ++exam) {
    const ExamInfo& info = examInfo(exam);
    std::vector<CueQuestion> questions;
    for (int chapter = 1; chapter <= static_cast<int>(info.chapters.size()); ++chapter) {
      auto more = questionsOf(folder, chapterFilePath(info.bankPrefix, chapter), 0);
      questions.insert(questions.end(), more.begin(), more.end());
    }
    banks.push_back(measureCues(info.bankPrefix.substr(0, info.bankPrefix.find('\\')), questions, sameBank, limits));
  }
  return banks;
}

}  // namespace ventelle::bankcheck
