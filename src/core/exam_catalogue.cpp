#include "core/exam_catalogue.h"

#include <array>
#include <stdexcept>

namespace ventelle {
namespace {

const std::vector<std::string> kParagliderChapters = {
    "Méteo", "Mécanique de Vol Générale", "Mécanique de Vol Parapente", "Matériel Général",
    "Matériel Parapente", "Réglementation", "Pilotage Général", "Pilotage Parapente"};
const std::vector<std::string> kHangGliderChapters = {
    "Méteo", "Mécanique de Vol Générale", "Mécanique de Vol Delta", "Matériel Général",
    "Matériel Delta", "Réglementation", "Pilotage Général", "Pilotage Delta"};

const std::array<ExamInfo, 11> kExams = {{
    {1, "manuel\\", "Ventelle - QCM Le manuel du vol libre - FFVL",
     {"Les bases du pilotage", "Théorie du vol et applications", "L'air et la météo",
      "Le matériel et son utilisation", "L'organisation", "Le ciel est à nous"}},
    {2, "2000\\n", "Ventelle - QCM 2000 - FFVL",
     {"Météo", "Mécavol générale", "Mécavol parapente", "Matériel général", "Matériel parapente",
      "Cerf Volant", "Réglementation", "Pilotage général", "Pilotage parapente"}},
    {3, "avion\\a", "Ventelle - QCM Pilote Privé Avion - Vol à Vue - DGAC",
     {"Phase I", "Phase II", "Phase III", "Phase IV", "Phase V", "Phase VI - Vol de nuit"}},
    {4, "ulm\\u", "Ventelle - QCM ULM - DGAC",
     {"Facteurs humains", "L'air et la météo", "Matériel", "Mécanique de vol", "Navigation",
      "Réglementation"}},
    {5, "planeur\\p", "Ventelle - QCM Vol à Voile - DGAC",
     {"Phase I - Phase II", "Phase III - Phase IV", "Phase V - Phase VI", "Phase VII - Phase VIII",
      "Phase IX - Phase X"}},
    {6, "2004\\4", "Ventelle - QCM 2004 Parapente - Brevet Initial - FFVL",
     {"Méteo", "Mécanique de Vol Générale", "Mécanique de Vol Parapente", "Matériel Général",
      "Matériel Parapente", "Pilotage Général", "Pilotage Parapente"}},
    {7, "2004\\4", "Ventelle - QCM 2004 Parapente - Brevet de Pilote - FFVL", kParagliderChapters},
    {8, "2004\\4", "Ventelle - QCM 2004 Parapente - Brevet Confirmé - FFVL", kParagliderChapters},
    {9, "2004\\4", "Ventelle - QCM 2004 Delta - Brevet Initial - FFVL",
     {"Méteo", "Mécanique de Vol Générale", "Mécanique de Vol Delta", "Matériel Général",
      "Matériel Delta", "Pilotage Général", "Pilotage Delta"}},
    {10, "2004\\4", "Ventelle - QCM 2004 Delta - Brevet de Pilote - FFVL", kHangGliderChapters},
    {11, "2004\\4", "Ventelle - QCM 2004 Delta - Brevet Confirmé - FFVL",
     {"Méteo", "Mécanique de Vol Générale", "Matériel Général", "Réglementation",
      "Pilotage Général", "Pilotage Delta"}},
}};

}  // namespace

const ExamInfo& examInfo(int examIndex) {
  if (examIndex < 1 || examIndex > static_cast<int>(kExams.size()))
    throw std::out_of_range("exam index");
  return kExams[examIndex - 1];
}

std::vector<int> modulesOf(int examIndex) {
  switch (examIndex) {
    case 6: return {1, 4, 7, 12, 15, 22, 25, 0};
    case 7: return {2, 5, 8, 13, 16, 20, 23, 26};
    case 8: return {3, 6, 9, 14, 17, 21, 24, 27};
    case 9: return {1, 4, 10, 12, 18, 22, 28, 0};
    case 10: return {2, 5, 11, 13, 19, 20, 23, 29};
    case 11: return {3, 6, 14, 21, 24, 30, 0, 0};
    default: return {};
  }
}

bool isDgacBank(const std::string& bankPrefix) {
  return bankPrefix == "ulm\\u" || bankPrefix == "planeur\\p" || bankPrefix == "avion\\a";
}

bool isChapterTickedByDefault(const std::string& bankPrefix, int chapter) {
  return !(chapter == 6 && (bankPrefix == "2000\\n" || bankPrefix == "avion\\a"));
}

std::string chapterFilePath(const std::string& bankPrefix, int chapter) {
  return bankPrefix + "Chapitre" + std::to_string(chapter) + ".dat";
}

PageLayout determinePageLayout(int examIndex, const TestOptions& options) {
  const std::string& prefix = examInfo(examIndex).bankPrefix;
  int n = 60;
  if (prefix == "ulm\\u") {
    n = 40;
  } else if (!isDgacBank(prefix)) {
    n = options.instructorTest ? 20 : options.confirmedTest ? 30 : 60;
  }
  switch (n) {
    case 20: return {2, 10};
    case 30: return {3, 10};
    case 40: return {4, 10};
    default: return {4, 15};
  }
}

}  // namespace ventelle
