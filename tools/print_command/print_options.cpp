#include "print_options.h"

#include <charconv>

#include "core/exam_catalogue.h"
#include "core/page_layout.h"

namespace ventelle {
namespace {

constexpr int kMostCopies = 100;

template <typename Number>
std::optional<Number> numberOf(const std::string& text) {
  Number value{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

using Outcome = std::variant<PrintOptions, std::string>;

// Reads the value of an option into the options; a message when it is bad.
std::optional<std::string> readValue(const std::string& name, const std::string& value, PrintOptions& o) {
  if (name == "--exam") {
    const auto exam = numberOf<int>(value);
    if (!exam || *exam < 1 || *exam > 11) return "--exam attend un numéro d'examen de 1 à 11.";
    o.exam = *exam;
  } else if (name == "--seed") {
    const auto seed = numberOf<std::uint64_t>(value);
    if (!seed) return "--seed attend un nombre entier positif.";
    o.seed = *seed;
  } else if (name == "--copies") {
    const auto copies = numberOf<int>(value);
    if (!copies || *copies < 1 || *copies > kMostCopies) return "--copies attend un nombre d'exemplaires de 1 à 100.";
    o.copies = *copies;
  } else if (name == "--size") {
    const auto size = numberOf<int>(value);
    if (!size || (*size != 20 && *size != 30 && *size != 40 && *size != 60))
      return "--size attend 20, 30, 40 ou 60 questions.";
    o.size = *size;
  } else if (name == "--folder") {
    o.folder = value;
  } else if (name == "--questionnaire") {
    o.questionnaire = value;
  } else if (name == "--answer-sheets") {
    o.answerSheets = value;
  } else if (name == "--correction") {
    o.correction = value;
  } else if (name == "--user") {
    if (value.empty()) return "--user attend un nom d'utilisateur.";
    o.user = value;
  } else if (name == "--error-report") {
    o.errorReport = value;
  } else {
    return "Option inconnue : " + name + " (voir --help).";
  }
  return std::nullopt;
}

}  // namespace

std::variant<PrintOptions, std::string> parsePrintOptions(const std::vector<std::string>& arguments) {
  PrintOptions options;
  for (std::size_t k = 0; k < arguments.size(); ++k) {
    const std::string& name = arguments[k];
    if (name == "--help") {
      options.help = true;
      return options;
    }
    if (name == "--include-lower" || name == "--no-include-lower") {
      options.includeLower = name == "--include-lower";
      continue;
    }
    if (!name.starts_with("--")) return "Argument inattendu : " + name + " (voir --help).";
    if (k + 1 == arguments.size()) return name + " attend une valeur.";
    if (const auto problem = readValue(name, arguments[++k], options)) return *problem;
  }
  if (!options.questionnaire && !options.answerSheets && !options.correction && !options.errorReport)
    return "Aucun document demandé : indiquez au moins --questionnaire, --answer-sheets, --correction ou "
           "--error-report.";
  return options;
}

std::string sizeList(int examIndex) {
  const std::vector<int> sizes = offeredQuestionCounts(examIndex);
  std::string list;
  for (std::size_t k = 0; k < sizes.size(); ++k)
    list += (k == 0 ? "" : k + 1 == sizes.size() ? " ou " : ", ") + std::to_string(sizes[k]);
  return list;
}

std::string printUsage() {
  std::string exams;
  for (int exam = 1; exam <= kExamCount; ++exam) {
    std::string title = examInfo(exam).title;
    if (title.starts_with("Ventelle - ")) title.erase(0, std::string("Ventelle - ").size());
    exams += (exam < 10 ? "   " : "  ") + std::to_string(exam) + "  " + title + " : " + sizeList(exam) +
             " questions\n";
  }
  return "Usage : ventelle-print [options] DOCUMENTS\n"
         "Imprime en PDF, sans fenêtre, les documents d'un questionnaire tiré au sort.\n"
         "\n"
         "Documents (au moins un) :\n"
         "  --questionnaire FICHIER.pdf   les questionnaires, autant que --copies\n"
         "  --answer-sheets FICHIER.pdf   les grilles de réponses, autant que --copies\n"
         "  --correction FICHIER.pdf      la grille de correction du questionnaire\n"
         "  --error-report FICHIER.pdf    l'état des erreurs de l'utilisateur\n"
         "Le questionnaire, ses grilles de réponses et sa grille de correction viennent du même tirage et\n"
         "portent la même référence en bas de page.\n"
         "\n"
         "Options :\n"
         "  --exam N             examen de 1 à 11 (celui de l'utilisateur, sinon 7)\n"
         "  --size N             nombre de questions, parmi ceux que l'examen propose\n"
         "  --include-lower      inclut les QCMs des brevets inférieurs\n"
         "  --no-include-lower   ne les inclut pas (même si le profil les inclut)\n"
         "  --copies N           nombre d'exemplaires, de 1 à 100 (1 par défaut)\n"
         "  --seed N             la même graine tire le même questionnaire ; sans elle, une graine\n"
         "                       est tirée et affichée\n"
         "  --user NOM           l'utilisateur : son examen, ses options et ses erreurs\n"
         "  --folder DOSSIER     le dossier du programme (par défaut, celui du programme installé\n"
         "                       et le dossier personnel où vivent les profils)\n"
         "  --help               affiche cette aide\n"
         "\n"
         "Examens et nombres de questions :\n" +
         exams +
         "\n"
         "Le dossier du programme n'est jamais modifié.\n";
}

}  // namespace ventelle
