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

const std::array<ExamInfo, kExamCount> kExams = {{
    {1, "mnuManuel", "manuel\\", "Ventelle - QCM Le manuel du vol libre - FFVL",
     {"Les bases du pilotage", "Théorie du vol et applications", "L'air et la météo",
      "Le matériel et son utilisation", "L'organisation", "Le ciel est à nous"}},
    {2, "mnu2000", "2000\\n", "Ventelle - QCM 2000 - FFVL",
     {"Météo", "Mécavol générale", "Mécavol parapente", "Matériel général", "Matériel parapente",
      "Cerf Volant", "Réglementation", "Pilotage général", "Pilotage parapente"}},
    {3, "mnuAvion", "avion\\a", "Ventelle - QCM Pilote Privé Avion - Vol à Vue - DGAC",
     {"Phase I", "Phase II", "Phase III", "Phase IV", "Phase V", "Phase VI - Vol de nuit"}},
    {4, "mnuULM", "ulm\\u", "Ventelle - QCM ULM - DGAC",
     {"Facteurs humains", "L'air et la météo", "Matériel", "Mécanique de vol", "Navigation",
      "Réglementation"}},
    {5, "mnuPlaneur", "planeur\\p", "Ventelle - QCM Vol à Voile - DGAC",
     {"Phase I - Phase II", "Phase III - Phase IV", "Phase V - Phase VI", "Phase VII - Phase VIII",
      "Phase IX - Phase X"}},
    {6, "mnuPInitial", "2004\\4", "Ventelle - QCM 2004 Parapente - Brevet Initial - FFVL",
     {"Méteo", "Mécanique de Vol Générale", "Mécanique de Vol Parapente", "Matériel Général",
      "Matériel Parapente", "Pilotage Général", "Pilotage Parapente"}},
    {7, "mnuPPilote", "2004\\4", "Ventelle - QCM 2004 Parapente - Brevet de Pilote - FFVL", kParagliderChapters},
    {8, "mnuPConfirme", "2004\\4", "Ventelle - QCM 2004 Parapente - Brevet Confirmé - FFVL", kParagliderChapters},
    {9, "mnuDInitial", "2004\\4", "Ventelle - QCM 2004 Delta - Brevet Initial - FFVL",
     {"Méteo", "Mécanique de Vol Générale", "Mécanique de Vol Delta", "Matériel Général",
      "Matériel Delta", "Pilotage Général", "Pilotage Delta"}},
    {10, "mnuDPilote", "2004\\4", "Ventelle - QCM 2004 Delta - Brevet de Pilote - FFVL", kHangGliderChapters},
    {11, "mnuDConfirme", "2004\\4", "Ventelle - QCM 2004 Delta - Brevet Confirmé - FFVL",
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

const std::vector<ModuleJoin>& lowerLevelJoins(int examIndex) {
  static const std::vector<ModuleJoin> kNone;
  static const std::vector<ModuleJoin> kParagliderPilot = {{1, 1}, {2, 4}, {3, 7}, {4, 12}, {5, 15}, {7, 22}, {8, 25}};
  static const std::vector<ModuleJoin> kParagliderConfirmed = {{1, 1, 2},   {2, 4, 5}, {3, 7, 8},   {4, 12, 13},
                                                              {5, 15, 16}, {6, 20},   {7, 22, 23}, {8, 25, 26}};
  static const std::vector<ModuleJoin> kHangGliderPilot = {{1, 1}, {2, 4}, {3, 10}, {4, 12}, {5, 18}, {7, 22}, {8, 28}};
  static const std::vector<ModuleJoin> kHangGliderConfirmed = {{1, 1, 3},   {2, 4, 6}, {3, 10}, {4, 12, 14},
                                                              {5, 18},     {6, 21},   {7, 22, 24}, {8, 28, 30}};
  switch (examIndex) {
    case 7: return kParagliderPilot;
    case 8: return kParagliderConfirmed;
    case 10: return kHangGliderPilot;
    case 11: return kHangGliderConfirmed;
    default: return kNone;
  }
}

bool canIncludeLowerLevels(int examIndex) { return !lowerLevelJoins(examIndex).empty(); }

}  // namespace ventelle
