#include "bank_checker/question_checks.h"

#include <cctype>
#include <cmath>
#include <map>

#include "bank/question.h"
#include "bank/question_loader.h"
#include "core/fatal_error.h"
#include "core/jpeg_size.h"
#include "core/record_reader.h"
#include "core/utf8_text.h"

namespace ventelle::bankcheck {
namespace {

// Key and value of a line, split exactly as the record reader splits them.
struct KeyLine {
  bool hasKey = false;
  std::string key;
  std::string value;
};

KeyLine splitKeyLine(const std::string& line) {
  static const TextLines kNoLines;
  RecordReader reader(kNoLines);
  reader.setCurrentLine(line);
  KeyLine result;
  result.key = reader.item();
  result.hasKey = !reader.lineHasNoKey();
  result.value = reader.data();
  return result;
}

struct RawAnswer {
  std::string text;
  std::string value;
};

// The lines of a question as they stand in the file, up to the next header:
// the loader stops at the fifth answer or at the first line without "=",
// so it cannot tell what it left behind.
struct RawQuestion {
  std::vector<RawAnswer> answers;
  std::vector<int> linesWithoutEquals;  // line numbers
};

RawQuestion scanQuestion(const ChapterIndex& chapter, std::size_t place) {
  const auto& headers = chapter.headers;
  const std::size_t begin = headers[place - 1].lineAfterHeader;
  // lineAfterHeader is the index of the line after the header, so the next
  // header stands at lineAfterHeader - 1.
  const std::size_t end = place < headers.size() ? headers[place].lineAfterHeader - 1 : chapter.lines.size();
  RawQuestion raw;
  int significant = 0;
  std::string name;
  for (std::size_t i = begin; i < end; ++i) {
    const std::string line = trimSpaces(chapter.lines[i]);
    if (line.empty() || line.front() == ';') continue;
    if (sectionName(line, name)) break;  // a header on the last line, which the program never reaches
    ++significant;
    if (significant == 1) continue;  // the "Question" line
    const KeyLine parts = splitKeyLine(line);
    if (significant == 2 && parts.hasKey && parts.key == "Cmt") continue;
    if (parts.hasKey) {
      raw.answers.push_back({parts.key, parts.value});
    } else {
      raw.linesWithoutEquals.push_back(static_cast<int>(i + 1));
    }
  }
  return raw;
}

bool isWholeNumber(const std::string& text) {
  std::size_t i = (!text.empty() && (text[0] == '+' || text[0] == '-')) ? 1 : 0;
  if (i == text.size()) return false;
  for (; i < text.size(); ++i)
    if (!std::isdigit(static_cast<unsigned char>(text[i]))) return false;
  return true;
}

// The number a 2004 name begins with, after an optional wing letter.
std::optional<int> leadingNumberOfName(const std::string& name) {
  std::size_t i = wingMarkOf(name) != 0 ? 1 : 0;
  const std::size_t first = i;
  long number = 0;
  while (i < name.size() && std::isdigit(static_cast<unsigned char>(name[i])) && number < 1000000)
    number = number * 10 + (name[i++] - '0');
  if (i == first) return std::nullopt;
  return static_cast<int>(number);
}

std::string quoted(const std::string& text) { return "« " + text + " »"; }

class QuestionChecker {
 public:
  QuestionChecker(const ChapterIndex& chapter, const BankFile& bank, const ProgramFolder& folder,
                  const std::set<std::string>* lexicon)
      : chapter_(chapter), bank_(bank), folder_(folder), lexicon_(lexicon) {}

  Faults run() {
    for (std::size_t place = 1; place <= chapter_.headers.size(); ++place) checkQuestion(place);
    checkLastLineHeader();
    return std::move(faults_);
  }

 private:
  void fault(const std::string& name, std::string message, int line = 0) {
    faults_.push_back({bank_.file, name, line, std::move(message)});
  }

  void checkQuestion(std::size_t place) {
    const QuestionHeader& header = chapter_.headers[place - 1];
    const std::string& name = header.name;
    const int headerLine = static_cast<int>(header.lineAfterHeader);
    checkName(name, headerLine);

    Question question;
    try {
      question = readQuestion(chapter_, bank_.chapter, static_cast<int>(place), bank_.bankPrefix);
    } catch (const FatalError& error) {
      fault(name, std::string("refusée par le programme : ") + error.what());
      return;
    }
    checkAnswers(question, scanQuestion(chapter_, place));
    checkPicture(name);
    checkLexicon(question);
  }

  void checkName(const std::string& name, int headerLine) {
    if (name.empty()) fault(name, "nom de question vide", headerLine);
    if (name.find(',') != std::string::npos)
      fault(name, "le nom contient une virgule, qui sépare les noms dans les listes d'erreurs");
    const auto [seen, isNew] = firstLineOf_.emplace(name, headerLine);
    if (!isNew) fault(name, "nom déjà employé ligne " + std::to_string(seen->second));
    if (!bank_.names) return;
    const NameRange& range = *bank_.names;
    const std::string module = "module " + std::to_string(range.module) + " (" + std::to_string(range.first) +
                               " à " + std::to_string(range.last) + ")";
    const auto number = leadingNumberOfName(name);
    if (!number) {
      fault(name, "le nom ne commence pas par un numéro, attendu pour le " + module);
    } else if (*number < range.first || *number > range.last) {
      fault(name, "numéro " + std::to_string(*number) + " hors des numéros du " + module);
    }
  }

  void checkAnswers(const Question& question, const RawQuestion& raw) {
    const std::string& name = question.name;
    const auto count = raw.answers.size();
    if (count == 0) fault(name, "aucune réponse");
    if (count > static_cast<std::size_t>(kMaxAnswers))
      fault(name, std::to_string(count) + " réponses : le programme ne lit que les " + std::to_string(kMaxAnswers) +
                      " premières");
    for (const int line : raw.linesWithoutEquals)
      fault(name, "ligne sans « = » : le programme arrête là la lecture des réponses", line);
    for (const auto& answer : raw.answers)
      if (!isWholeNumber(answer.value))
        fault(name, "la valeur " + quoted(answer.value) + " de la réponse " + quoted(answer.text) +
                        " n'est pas un nombre entier");
    if (question.answerCount == 0) return;

    // The marking counts the values as whole numbers, halves rounded to even.
    int positiveSum = 0;
    int rightAnswers = 0;
    int rightValue = 0;
    for (int i = 1; i <= question.answerCount; ++i) {
      const int value = static_cast<int>(std::nearbyint(question.answerValues[i]));
      if (value > 0) {
        positiveSum += value;
        ++rightAnswers;
        rightValue = value;
      }
    }
    if (bank_.dgac) {
      if (rightAnswers == 0) {
        fault(name, "aucune bonne réponse (banque DGAC : une seule, valant 6)");
      } else if (rightAnswers > 1) {
        fault(name, std::to_string(rightAnswers) + " bonnes réponses (banque DGAC : une seule, valant 6)");
      } else if (rightValue != 6) {
        fault(name, "la bonne réponse vaut " + std::to_string(rightValue) + " au lieu de 6 (banque DGAC)");
      }
    } else if (positiveSum != 6) {
      fault(name, "les valeurs positives totalisent " + std::to_string(positiveSum) + " au lieu de 6");
    }
  }

  void checkPicture(const std::string& name) {
    if (!hasPicture(name)) return;
    const std::string programPath = bank_.bankPrefix + name + ".jpg";
    const auto file = folder_.resolve(programPath);
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) {
      fault(name, "image " + shownPath(programPath) + " absente");
    } else if (!jpegSize(file)) {
      fault(name, "image " + shownPath(programPath) + " illisible : pas une image JPEG");
    }
  }

  void checkLexicon(const Question& question) {
    if (lexicon_ == nullptr || !isLexiconComment(question.comment)) return;
    const std::string term = lexiconWordOf(question.comment);
    if (term.empty()) {
      fault(question.name, "le commentaire " + quoted(question.comment) + " ne nomme aucun terme du lexique");
    } else if (lexicon_->count(withPlainBlanks(term)) == 0) {
      fault(question.name, "terme " + quoted(term) + " absent de Lexique.dat");
    }
  }

  void checkLastLineHeader() {
    if (chapter_.lines.empty()) return;
    const std::string last = trimSpaces(chapter_.lines.back());
    std::string name;
    if (!last.empty() && last.front() != ';' && sectionName(last, name))
      fault(name, "en-tête sur la dernière ligne du fichier : le programme ne voit pas cette question",
            static_cast<int>(chapter_.lines.size()));
  }

  const ChapterIndex& chapter_;
  const BankFile& bank_;
  const ProgramFolder& folder_;
  const std::set<std::string>* lexicon_;
  std::map<std::string, int> firstLineOf_;
  Faults faults_;
};

}  // namespace

std::set<std::string> lexiconTerms(const TextLines& lexicon) {
  std::set<std::string> terms;
  RecordReader reader(lexicon);
  while (!reader.atEnd()) {
    reader.nextLine();
    reader.resetLineHasNoKey();
    std::string key = reader.item();
    if (!reader.lineHasNoKey()) terms.insert(withPlainBlanks(key));
  }
  return terms;
}

Faults checkQuestions(const ChapterIndex& chapter, const BankFile& bank, const ProgramFolder& folder,
                      const std::set<std::string>* lexicon) {
  return QuestionChecker(chapter, bank, folder, lexicon).run();
}

}  // namespace ventelle::bankcheck
