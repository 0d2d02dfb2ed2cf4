#pragma once
// The menu bar of the main window as it must stand when the window is
// created: every item in order, its parent, caption, check mark and whether
// it is enabled. Every item is visible then.
#include <string>
#include <vector>

namespace ventelle {

struct ExpectedMenu {
  std::string name;
  std::string parent;
  std::string caption;
  bool checked = false;
  bool enabled = true;
};

inline const std::vector<ExpectedMenu>& expectedMenusAtCreation() {
  static const std::vector<ExpectedMenu> kMenus = {
      {"mnuFichier", "", "&Fichier"},
      {"mnuGestionU", "mnuFichier", "&Gestion des utilisateurs"},
      {"mnuEnregistrer", "mnuFichier", "&Enregistrer"},
      {"mnuReprendre", "mnuFichier", "&Reprendre"},
      {"mnubarre1", "mnuFichier", "-"},
      {"mnuUtilisateur0", "mnuFichier", "Utilisateur par défaut"},
      {"mnuBarre2", "mnuFichier", "-"},
      {"mnuImprimer", "mnuFichier", "&Impression"},
      {"mnuImprimerErreurs", "mnuImprimer", "Imprimer l'état des &erreurs"},
      {"mnuBarre3", "mnuImprimer", "-"},
      {"mnuGenerer", "mnuImprimer", "&Générer un questionnaire"},
      {"mnuImprimeQuestionnaire", "mnuImprimer", "Imprimer des &questionaires", false, false},
      {"mnuImprimeCorrige", "mnuImprimer", "Imprimer une grille de &correction", false, false},
      {"mnuImprimerReponse", "mnuImprimer", "Imprimer des grilles de &réponses"},
      {"mnuBarre4", "mnuFichier", "-"},
      {"mnuQuitter", "mnuFichier", "&Quitter"},
      {"mnuOptions", "", "&Options"},
      {"mnuReinitialiser", "mnuOptions", "&Réinitialiser les points (R.A.Z.)"},
      {"mnuBarre5", "mnuOptions", "-"},
      {"mnuVersion", "mnuOptions", "&Version"},
      {"mnuManuel", "mnuVersion", "&Manuel du vol libre (FFVL)"},
      {"mnu2000", "mnuVersion", "&2000 (FFVL)"},
      {"mnu2004", "mnuVersion", "200&4 (FFVL)"},
      {"mnuBParapente", "mnu2004", "&Parapente"},
      {"mnuPInitial", "mnuBParapente", "Brevet &Initial"},
      {"mnuPPilote", "mnuBParapente", "Brevet de &Pilote"},
      {"mnuPConfirme", "mnuBParapente", "Brevet de Pilote &Confirmé"},
      {"mnuBDelta", "mnu2004", "&Delta"},
      {"mnuDInitial", "mnuBDelta", "Brevet &Initial"},
      {"mnuDPilote", "mnuBDelta", "Brevet de &Pilote"},
      {"mnuDConfirme", "mnuBDelta", "Brevet de Pilote &Confirmé"},
      {"mnuPlaneur", "mnuVersion", "&Vol à Voile (DGAC)"},
      {"mnuULM", "mnuVersion", "&ULM (DGAC)"},
      {"mnuAvion", "mnuVersion", "&Pilote Privé Avion (DGAC)"},
      {"mnuInclure", "mnuOptions", "Inclure le(s) QCM(s) inférieur(s)"},
      {"mnuConfirme", "mnuOptions", "&Brevet Confirmé (30 questions)"},
      {"mnuQBi", "mnuOptions", "&Test pour la QBi (20 questions)"},
      {"mnuBarre6", "mnuOptions", "-"},
      {"mnuTirage", "mnuOptions", "&Tirage"},
      {"mnuTChap", "mnuTirage", "&Chapitre prioritaire", true},
      {"mnuTQuest", "mnuTirage", "&Question prioritaire"},
      {"mnuFRepose", "mnuOptions", "&Fréquence de Repose"},
      {"mnurepose0", "mnuFRepose", "&Jamais"},
      {"mnurepose1", "mnuFRepose", "&Toujours"},
      {"mnurepose4", "mnuFRepose", "Une fois sur 4"},
      {"mnurepose8", "mnuFRepose", "Une fois sur 8", true},
      {"mnurepose16", "mnuFRepose", "Une fois sur 16"},
      {"mnuBarre7", "mnuOptions", "-"},
      {"mnuEvaluation", "mnuOptions", "&Evaluation continue", true},
      {"mnuComplet", "mnuOptions", "Notation sur &QCM complet"},
      {"mnuCompletRE1", "mnuComplet", "Stop si &Réussite", true},
      {"mnuCompletRE2", "mnuComplet", "Stop si &Echec", true},
      {"mnuConforme", "mnuOptions", "&Notation conforme à l'examen", true},
      {"mnuAffichage", "", "&Affichage"},
      {"mnuskin1", "mnuAffichage", "skin"},
      {"mnuDidact", "", "&Didacticiels"},
      {"mnuMF", "mnuDidact", "&Météo France"},
      {"mnuAZ", "mnuMF", "la météo de &A à Z"},
      {"mnuComp", "mnuMF", "&Comprendre la météo"},
      {"mnuAerodynamique", "mnuDidact", "Aé&rodynamique"},
      {"mnuParapente", "mnuDidact", "&Parapente"},
      {"mnuFFP", "mnuParapente", "&Manuel FFP"},
      {"mnuSom", "mnuFFP", "&Sommaire"},
      {"mnumeteo", "mnuFFP", "&Météorologie"},
      {"mnuAero", "mnuFFP", "&Aérologie"},
      {"mnuMecavol", "mnuFFP", "Mécanique de &Vol"},
      {"mnuMatos", "mnuFFP", "Ma&tériel"},
      {"mnuRegle", "mnuFFP", "&Règlementation"},
      {"mnuConseils", "mnuParapente", "&Conseils pour Parapentistes"},
      {"mnuFPara", "mnuParapente", "&Fascicule de l'élève Biplaceur"},
      {"mnuRedac", "mnuParapente", "&Questions rédactionnelles QBi"},
      {"mnuDelta", "mnuDidact", "&Delta"},
      {"mnuFDelta", "mnuDelta", "&Fascicule de l'élève Biplaceur"},
      {"mnuVAV", "mnuDidact", "&Vol à voile"},
      {"mnuAviation", "mnuDidact", "&Aviation"},
      {"mnuRadio", "mnuDidact", "&Radio (Praséologie)"},
      {"mnuoie", "", "&Jeu de l'Oie"},
      {"mnjoueoie", "mnuoie", "&Jouer"},
      {"mnufermoie", "mnuoie", "&Fermer"},
      {"mnuAide", "", "&?"},
      {"mnuInfo", "mnuAide", "&Info.txt"},
      {"mnuIndex", "mnuAide", "Index de l'&Aide"},
      {"mnuLexique", "mnuAide", "&Lexique"},
      {"mnuAstuces", "mnuAide", "A&stuces"},
      {"mnuApropos", "mnuAide", "A &propos de..."},
  };
  return kMenus;
}

// The link items of the tutorials menu.
inline const std::vector<std::string>& expectedLinkItems() {
  static const std::vector<std::string> kLinks = {
      "mnuAZ",   "mnuComp",    "mnuAerodynamique", "mnuSom",   "mnumeteo",   "mnuAero",  "mnuMecavol", "mnuMatos",
      "mnuRegle", "mnuConseils", "mnuFPara",        "mnuFDelta", "mnuVAV",    "mnuAviation", "mnuRadio"};
  return kLinks;
}

}  // namespace ventelle
