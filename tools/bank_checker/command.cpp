#include "bank_checker/command.h"

#include <filesystem>
#include <optional>

#include "bank_checker/cue_report.h"
#include "bank_checker/folder_check.h"

namespace ventelle::bankcheck {
namespace {

constexpr int kClean = 0;
constexpr int kFaultsFound = 1;
constexpr int kBadUsage = 2;

const char* const kUsage =
    "Usage : ventelle-check-bank [--counts] [--cues] DOSSIER_DU_PROGRAMME\n"
    "Vérifie les banques de questions du dossier (2004, manuel, 2000, avion, ulm, planeur).\n"
    "  --counts  indique aussi le nombre de questions de chaque fichier\n"
    "  --cues    mesure aussi, par banque, les indices qui trahissent la réponse :\n"
    "            réponse juste la plus longue ou la plus courte (à 10 points du hasard au plus),\n"
    "            mots absolus et tournures restrictives dans les réponses fausses,\n"
    "            questions presque semblables\n"
    "            Tournures restrictives comptées : ";

std::string questions(std::size_t count) {
  return std::to_string(count) + (count > 1 ? " questions" : " question");
}

// Prints each bank's cue figures; the number of figures out of bounds.
std::size_t reportCues(const ProgramFolder& folder, std::ostream& out) {
  const CueThresholds limits;
  std::size_t breaches = 0;
  out << "Tournures restrictives comptées : " << kRestrictivePatterns << '\n';
  for (const BankCues& bank : measureFolderCues(folder, limits)) {
    out << "Indices de la banque " << bank.bank << " (" << questions(bank.questions) << ") :\n";
    const std::string chance = " (hasard : " + percentText(bank.singleChanceShare()) + ")\n";
    out << "  réponse juste la plus longue : " << percentText(bank.longestRightShare()) << " de "
        << questions(bank.singleAnswer) << " à une réponse" << chance;
    out << "  réponse juste la plus courte : " << percentText(bank.shortestRightShare()) << " de "
        << questions(bank.singleAnswer) << " à une réponse" << chance;
    if (bank.multiAnswer > 0)
      out << "  option la plus longue juste : " << percentText(bank.multiLongestShare()) << " de "
          << questions(bank.multiAnswer) << " à plusieurs réponses (hasard : " << percentText(bank.multiChanceShare())
          << ")\n";
    out << "  mot absolu dans " << percentText(bank.absoluteShare()) << " des " << bank.wrongAnswers
        << " réponses fausses\n";
    out << "  tournure restrictive dans " << percentText(bank.wrongRestrictiveShare(), 1) << " des "
        << bank.wrongAnswers << " réponses fausses et " << percentText(bank.rightRestrictiveShare(), 1) << " des "
        << bank.rightAnswers << " réponses justes\n";
    for (const auto& where : bank.everyWrongAbsolute) out << "  toutes les réponses fausses absolues : " << where << '\n';
    for (const auto& pair : bank.duplicates)
      out << "  presque semblables (" << percentText(pair.similarity) << ") : " << pair.first << " et " << pair.second
          << '\n';
    for (const auto& breach : bank.breaches(limits)) {
      out << "  hors limite : " << breach << '\n';
      ++breaches;
    }
  }
  return breaches;
}

}  // namespace

int runBankCheck(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  bool counts = false;
  bool cues = false;
  std::optional<std::string> folderName;
  for (const auto& argument : arguments) {
    if (argument == "--help" || argument == "-h") {
      out << kUsage << kRestrictivePatterns << '\n';
      return kClean;
    }
    if (argument == "--counts") {
      counts = true;
    } else if (argument == "--cues") {
      cues = true;
    } else if (argument.size() > 1 && argument.front() == '-') {
      err << "ventelle-check-bank : option inconnue « " << argument << " »\n" << kUsage;
      return kBadUsage;
    } else if (folderName) {
      err << "ventelle-check-bank : un seul dossier à la fois\n" << kUsage;
      return kBadUsage;
    } else {
      folderName = argument;
    }
  }
  if (!folderName) {
    err << kUsage;
    return kBadUsage;
  }
  std::error_code error;
  if (!std::filesystem::is_directory(*folderName, error)) {
    err << "ventelle-check-bank : « " << *folderName << " » n'est pas un dossier\n";
    return kBadUsage;
  }

  const FolderReport report = checkProgramFolder(ProgramFolder(*folderName));
  std::size_t total = 0;
  for (const auto& file : report.files) {
    if (counts && file.read) out << file.file << " : " << questions(file.questionNames.size()) << '\n';
    total += file.questionNames.size();
    for (const auto& fault : file.faults) out << describe(fault) << '\n';
  }
  if (counts) out << "Total : " << questions(total) << '\n';
  out << report.faultCount() << " faute(s)\n";
  const std::size_t cueBreaches = cues ? reportCues(ProgramFolder(*folderName), out) : 0;
  if (cues) out << cueBreaches << " indice(s) hors limite\n";
  return report.faultCount() == 0 && cueBreaches == 0 ? kClean : kFaultsFound;
}

}  // namespace ventelle::bankcheck
