#include "ui/window/menu_bar.h"

#include <algorithm>

namespace ventelle {
namespace {

enum class Kind { Command, Option, Disabled };

struct InitialItem {
  MenuEntry entry;
  std::string caption;
  Kind kind = Kind::Command;
  bool checked = false;
};

constexpr Kind kOption = Kind::Option;
constexpr Kind kDisabled = Kind::Disabled;

const std::vector<InitialItem>& initialItems() {
  static const std::vector<InitialItem> kItems = {
      {{"mnuFichier", ""}, "&Fichier"},
      {{"mnuGestionU", "mnuFichier"}, "&Gestion des utilisateurs"},
      {{"mnuEnregistrer", "mnuFichier"}, "&Enregistrer"},
      {{"mnuReprendre", "mnuFichier"}, "&Reprendre"},
      {{"mnuProgres", "mnuFichier"}, "Mes &progrès"},
      {{"mnubarre1", "mnuFichier"}, "-"},
      {{"mnuUtilisateur0", "mnuFichier"}, "Utilisateur par défaut"},
      {{"mnuBarre2", "mnuFichier"}, "-"},
      {{"mnuImprimer", "mnuFichier"}, "&Impression"},
      {{"mnuImprimerErreurs", "mnuImprimer"}, "Imprimer l'état des &erreurs"},
      {{"mnuBarre3", "mnuImprimer"}, "-"},
      {{"mnuGenerer", "mnuImprimer"}, "&Générer un questionnaire"},
      {{"mnuImprimeQuestionnaire", "mnuImprimer"}, "Imprimer des &questionaires", kDisabled},
      {{"mnuImprimeCorrige", "mnuImprimer"}, "Imprimer une grille de &correction", kDisabled},
      {{"mnuImprimerReponse", "mnuImprimer"}, "Imprimer des grilles de &réponses"},
      {{"mnuBarre4", "mnuFichier"}, "-"},
      {{"mnuQuitter", "mnuFichier"}, "&Quitter"},

      {{"mnuOptions", ""}, "&Options"},
      {{"mnuReinitialiser", "mnuOptions"}, "&Réinitialiser les points (R.A.Z.)"},
      {{"mnuBarre5", "mnuOptions"}, "-"},
      {{"mnuVersion", "mnuOptions"}, "&Version"},
      {{"mnuManuel", "mnuVersion"}, "&Manuel du vol libre (FFVL)", kOption},
      {{"mnu2000", "mnuVersion"}, "&2000 (FFVL)", kOption},
      {{"mnu2004", "mnuVersion"}, "200&4 (FFVL)"},
      {{"mnuBParapente", "mnu2004"}, "&Parapente"},
      {{"mnuPInitial", "mnuBParapente"}, "Brevet &Initial", kOption},
      {{"mnuPPilote", "mnuBParapente"}, "Brevet de &Pilote", kOption},
      {{"mnuPConfirme", "mnuBParapente"}, "Brevet de Pilote &Confirmé", kOption},
      {{"mnuBDelta", "mnu2004"}, "&Delta"},
      {{"mnuDInitial", "mnuBDelta"}, "Brevet &Initial", kOption},
      {{"mnuDPilote", "mnuBDelta"}, "Brevet de &Pilote", kOption},
      {{"mnuDConfirme", "mnuBDelta"}, "Brevet de Pilote &Confirmé", kOption},
      {{"mnuPlaneur", "mnuVersion"}, "&Vol à Voile (DGAC)", kOption},
      {{"mnuULM", "mnuVersion"}, "&ULM (DGAC)", kOption},
      {{"mnuAvion", "mnuVersion"}, "&Pilote Privé Avion (DGAC)", kOption},
      {{"mnuInclure", "mnuOptions"}, "Inclure le(s) QCM(s) inférieur(s)", kOption},
      {{"mnuConfirme", "mnuOptions"}, "&Brevet Confirmé (30 questions)", kOption},
      {{"mnuQBi", "mnuOptions"}, "&Test pour la QBi (20 questions)", kOption},
      {{"mnuBarre6", "mnuOptions"}, "-"},
      {{"mnuTirage", "mnuOptions"}, "&Tirage"},
      {{"mnuTChap", "mnuTirage"}, "&Chapitre prioritaire", kOption, true},
      {{"mnuTQuest", "mnuTirage"}, "&Question prioritaire", kOption},
      {{"mnuFRepose", "mnuOptions"}, "&Fréquence de Repose"},
      {{"mnurepose0", "mnuFRepose"}, "&Jamais", kOption},
      {{"mnurepose1", "mnuFRepose"}, "&Toujours", kOption},
      {{"mnurepose4", "mnuFRepose"}, "Une fois sur 4", kOption},
      {{"mnurepose8", "mnuFRepose"}, "Une fois sur 8", kOption, true},
      {{"mnurepose16", "mnuFRepose"}, "Une fois sur 16", kOption},
      {{"mnuBarre7", "mnuOptions"}, "-"},
      {{"mnuEvaluation", "mnuOptions"}, "&Evaluation continue", kOption, true},
      {{"mnuComplet", "mnuOptions"}, "Notation sur &QCM complet"},
      {{"mnuCompletRE1", "mnuComplet"}, "Stop si &Réussite", kOption, true},
      {{"mnuCompletRE2", "mnuComplet"}, "Stop si &Echec", kOption, true},
      {{"mnuConforme", "mnuOptions"}, "&Notation conforme à l'examen", kOption, true},

      {{"mnuAffichage", ""}, "&Affichage"},
      {{"mnuskin1", "mnuAffichage"}, "skin"},

      {{"mnuDidact", ""}, "&Didacticiels"},
      {{"mnuMF", "mnuDidact"}, "&Météo France"},
      {{"mnuAZ", "mnuMF"}, "la météo de &A à Z"},
      {{"mnuComp", "mnuMF"}, "&Comprendre la météo"},
      {{"mnuAerodynamique", "mnuDidact"}, "Aé&rodynamique"},
      {{"mnuParapente", "mnuDidact"}, "&Parapente"},
      {{"mnuFFP", "mnuParapente"}, "&Manuel FFP"},
      {{"mnuSom", "mnuFFP"}, "&Sommaire"},
      {{"mnumeteo", "mnuFFP"}, "&Météorologie"},
      {{"mnuAero", "mnuFFP"}, "&Aérologie"},
      {{"mnuMecavol", "mnuFFP"}, "Mécanique de &Vol"},
      {{"mnuMatos", "mnuFFP"}, "Ma&tériel"},
      {{"mnuRegle", "mnuFFP"}, "&Règlementation"},
      {{"mnuConseils", "mnuParapente"}, "&Conseils pour Parapentistes"},
      {{"mnuFPara", "mnuParapente"}, "&Fascicule de l'élève Biplaceur"},
      {{"mnuRedac", "mnuParapente"}, "&Questions rédactionnelles QBi"},
      {{"mnuDelta", "mnuDidact"}, "&Delta"},
      {{"mnuFDelta", "mnuDelta"}, "&Fascicule de l'élève Biplaceur"},
      {{"mnuVAV", "mnuDidact"}, "&Vol à voile"},
      {{"mnuAviation", "mnuDidact"}, "&Aviation"},
      {{"mnuRadio", "mnuDidact"}, "&Radio (Praséologie)"},

      {{"mnuoie", ""}, "&Jeu de l'Oie"},
      {{"mnjoueoie", "mnuoie"}, "&Jouer"},
      {{"mnufermoie", "mnuoie"}, "&Fermer"},

      {{"mnuAide", ""}, "&?"},
      {{"mnuInfo", "mnuAide"}, "&Info.txt"},
      {{"mnuIndex", "mnuAide"}, "Index de l'&Aide"},
      {{"mnuLexique", "mnuAide"}, "&Lexique"},
      {{"mnuAstuces", "mnuAide"}, "A&stuces"},
      {{"mnuApropos", "mnuAide"}, "A &propos de..."},
  };
  return kItems;
}

}  // namespace

void MenuBar::add(MenuEntry entry, MenuItem item) {
  items_[entry.name] = std::move(item);
  order_.push_back(std::move(entry));
}

void MenuBar::insertAfter(const std::string& sibling, const std::string& name, MenuItem item) {
  auto place = std::find_if(order_.begin(), order_.end(), [&](const MenuEntry& e) { return e.name == sibling; });
  if (place == order_.end() || items_.contains(name)) return;
  const std::string parent = place->parent;
  order_.insert(place + 1, MenuEntry{name, parent});
  items_[name] = std::move(item);
}

void MenuBar::remove(const std::string& name) {
  if (items_.erase(name) == 0) return;
  std::erase_if(order_, [&](const MenuEntry& e) { return e.name == name; });
}

bool MenuBar::hasChildren(const std::string& name) const {
  return std::any_of(order_.begin(), order_.end(), [&](const MenuEntry& e) { return e.parent == name; });
}

bool MenuBar::reachable(const std::string& name) const {
  for (std::string item = name; !item.empty();) {
    const auto state = items_.find(item);
    if (state == items_.end() || !state->second.enabled) return false;
    const auto entry = std::find_if(order_.begin(), order_.end(), [&](const MenuEntry& e) { return e.name == item; });
    item = entry->parent;
  }
  return true;
}

MenuBar initialMenuBar() {
  MenuBar bar;
  for (const auto& item : initialItems()) {
    MenuItem state{item.caption, item.checked, true, item.kind != Kind::Disabled, item.kind == Kind::Option};
    bar.add(item.entry, std::move(state));
  }
  return bar;
}

std::string literalCaption(const std::string& text) {
  std::string caption;
  for (const char c : text) {
    if (c == '&') caption += '&';
    caption += c;
  }
  return caption;
}

std::string shownCaption(const std::string& caption) {
  std::string text;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&') {
      if (++i == caption.size()) break;
    }
    text += caption[i];
  }
  return text;
}

}  // namespace ventelle
