#include "ui/menu_bar.h"

namespace ventelle {
namespace {

struct InitialItem {
  MenuEntry entry;
  std::string caption;
  bool checked = false;
  bool checkable = true;
};

constexpr bool kCommand = false;

const std::vector<InitialItem>& initialItems() {
  static const std::vector<InitialItem> kItems = {
      {{"mnuFichier", ""}, "&Fichier"},
      {{"mnuQuitter", "mnuFichier"}, "&Quitter", false, kCommand},
      {{"mnuOptions", ""}, "&Options"},
      {{"mnuReinitialiser", "mnuOptions"}, "&Réinitialiser les points (R.A.Z.)", false, kCommand},
      {{"mnuBarre5", "mnuOptions"}, "-"},
      {{"mnuInclure", "mnuOptions"}, "Inclure le(s) QCM(s) inférieur(s)"},
      {{"mnuConfirme", "mnuOptions"}, "&Brevet Confirmé (30 questions)"},
      {{"mnuQBi", "mnuOptions"}, "&Test pour la QBi (20 questions)"},
      {{"mnuBarre6", "mnuOptions"}, "-"},
      {{"mnuTirage", "mnuOptions"}, "&Tirage"},
      {{"mnuTChap", "mnuTirage"}, "&Chapitre prioritaire", true},
      {{"mnuTQuest", "mnuTirage"}, "&Question prioritaire"},
      {{"mnuFRepose", "mnuOptions"}, "&Fréquence de Repose"},
      {{"mnurepose0", "mnuFRepose"}, "&Jamais"},
      {{"mnurepose1", "mnuFRepose"}, "&Toujours"},
      {{"mnurepose4", "mnuFRepose"}, "Une fois sur 4"},
      {{"mnurepose8", "mnuFRepose"}, "Une fois sur 8", true},
      {{"mnurepose16", "mnuFRepose"}, "Une fois sur 16"},
      {{"mnuBarre7", "mnuOptions"}, "-"},
      {{"mnuEvaluation", "mnuOptions"}, "&Evaluation continue", true},
      {{"mnuComplet", "mnuOptions"}, "Notation sur &QCM complet"},
      {{"mnuCompletRE1", "mnuComplet"}, "Stop si &Réussite", true},
      {{"mnuCompletRE2", "mnuComplet"}, "Stop si &Echec", true},
      {{"mnuConforme", "mnuOptions"}, "&Notation conforme à l'examen", true},
  };
  return kItems;
}

}  // namespace

const std::vector<MenuEntry>& menuLayout() {
  static const std::vector<MenuEntry> kLayout = [] {
    std::vector<MenuEntry> layout;
    for (const auto& item : initialItems()) layout.push_back(item.entry);
    return layout;
  }();
  return kLayout;
}

std::map<std::string, MenuItem> initialMenus() {
  std::map<std::string, MenuItem> menus;
  for (const auto& item : initialItems()) menus[item.entry.name] = MenuItem{item.caption, item.checked, true, true, item.checkable};
  return menus;
}

}  // namespace ventelle
