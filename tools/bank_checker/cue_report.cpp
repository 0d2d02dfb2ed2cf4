#include "bank_checker/cue_report.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <set>

#include "bank/chapter_library.h"
#include "bank/question_loader.h"
#include "bank_checker/fault.h"
#include "bank_checker/folder_check.h"
#include "core/exam_catalogue.h"
#include "core/text_file.h"

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
    "cette", "tous", "tout", "tres", "vers", "votre", "vous", "avoir", "peut", "doit", "comment", "pourquoi"};

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

// Lower-case words of ASCII letters and digits, accents dropped; "œ" reads "oe".
std::vector<std::string> foldedWords(const std::string& text) {
  std::vector<std::string> words;
  std::string word;
  auto flush = [&] {
    if (!word.empty()) words.push_back(std::move(word));
    word.clear();
  };
  for (std::size_t i = 0; i < text.size();) {
    const auto b = static_cast<unsigned char>(text[i]);
    std::uint32_t cp = b;
    std::size_t length = 1;
    if (b >= 0xF0) {
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

std::size_t characterCount(const std::string& utf8) {
  return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

std::set<std::string> stems(const std::string& text) {
  std::set<std::string> result;
  for (const auto& w : foldedWords(text))
    if (w.size() >= 4 && !kStopWords.contains(w)) result.insert(w.substr(0, 5));
  return result;
}

std::string rightAnswersText(const CueQuestion& q) {
  std::string text = q.text;
  for (const auto& [answer, value] : q.answers)
    if (value > 0) text += " " + answer;
  return text;
}

// The place of the option strictly longer than every other, or -1.
int strictlyLongest(const CueQuestion& q) {
  int best = -1;
  std::size_t bestLength = 0;
  bool tie = false;
  for (std::size_t i = 0; i < q.answers.size(); ++i) {
    const std::size_t length = characterCount(q.answers[i].first);
    if (best < 0 || length > bestLength) {
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

std::string percentText(double share) { return std::to_string(static_cast<int>(share * 100 + 0.5)) + " %"; }

bool holdsAbsoluteWord(const std::string& utf8Text) {
  const auto words = foldedWords(utf8Text);
  return std::any_of(words.begin(), words.end(), [](const std::string& w) { return kAbsoluteWords.contains(w); });
}

double stemSimilarity(const std::string& a, const std::string& b) {
  const auto sa = stems(a);
  const auto sb = stems(b);
  if (sa.empty() && sb.empty()) return 0;
  std::size_t shared = 0;
  for (const auto& s : sa) shared += sb.contains(s);
  return double(shared) / double(sa.size() + sb.size() - shared);
}

std::vector<std::string> BankCues::breaches(const CueThresholds& limits) const {
  std::vector<std::string> found;
  if (singleAnswer > 0 && (longestRightShare() < limits.longestRightMin || longestRightShare() > limits.longestRightMax))
    found.push_back("réponse juste la plus longue dans " + percentText(longestRightShare()) +
                    " des questions à une réponse (attendu de " + percentText(limits.longestRightMin) + " à " +
                    percentText(limits.longestRightMax) + ")");
  if (multiAnswer > 0 && std::abs(multiLongestShare() - multiChanceShare()) > limits.multiAboveChance)
    found.push_back("option la plus longue juste dans " + percentText(multiLongestShare()) +
                    " des questions à plusieurs réponses, pour un hasard de " + percentText(multiChanceShare()));
  if (absoluteShare() > limits.absoluteMax)
    found.push_back("mot absolu dans " + percentText(absoluteShare()) + " des réponses fausses (au plus " +
                    percentText(limits.absoluteMax) + ")");
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
  std::vector<std::string> keys;
  for (const auto& q : questions) {
    int right = 0, wrong = 0, wrongAbsolute = 0;
    for (const auto& [text, value] : q.answers) {
      if (value > 0) {
        ++right;
      } else {
        ++wrong;
        wrongAbsolute += holdsAbsoluteWord(text);
      }
    }
    const int longest = strictlyLongest(q);
    const bool longestRight = longest >= 0 && q.answers[longest].second > 0;
    if (right == 1) {
      ++cues.singleAnswer;
      cues.singleLongestRight += longestRight;
    } else if (right > 1) {
      ++cues.multiAnswer;
      cues.multiLongestRight += longestRight;
      cues.multiChance += double(right) / double(q.answers.size());
    }
    cues.wrongAnswers += wrong;
    cues.wrongAbsolute += wrongAbsolute;
    if (wrong > 0 && wrongAbsolute == wrong) cues.everyWrongAbsolute.push_back(q.where);
    keys.push_back(rightAnswersText(q));
  }
  for (std::size_t i = 0; i < questions.size(); ++i)
    for (std::size_t j = i + 1; j < questions.size(); ++j) {
      if (!mayMeet(questions[i], questions[j])) continue;
      const double similarity = stemSimilarity(keys[i], keys[j]);
      if (similarity >= limits.duplicateSimilarity &&
          stemSimilarity(questions[i].text, questions[j].text) >= limits.questionSimilarity)
        cues.duplicates.push_back({questions[i].where, questions[j].where, similarity});
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
