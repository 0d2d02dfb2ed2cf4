#include "ui/help/help_pages.h"

#include "ui/help/help_texts.h"
#include "ui/help/random_tip.h"

namespace ventelle {

const std::vector<HelpPageEntry>& helpPages() {
  static const std::vector<HelpPageEntry> pages = {
      {"FrmVersion", "Versions"},
      {"FrmPoints", "Décompte des points (FFVL)"},
      {"FrmEvaluation", "Evaluation"},
      {"FrmBravo", "Messages de Réussite et d'Echec", PageKind::Text, "Messages de Réussite / Echec"},
      {"FrmGUtilisateur", "Gestion des Utilisateurs"},
      {"FrmJeu", "Jeu de l'Oie"},
      {"FrmDivers", "Options diverses", PageKind::Text, "Divers"},
      {"FrmPointsdgac", "Décompte des points (DGAC)"},
      {"FrmLiens", "Sites proposant Ventelle", PageKind::Links, help_texts::kLinksHeading},
      {"FrmLexique", "Lexique", PageKind::Lexicon, help_texts::kLexiconHeading},
      {"FrmTirage", "Tirage au sort des questions"},
      {"FrmImprimer", "Impressions", PageKind::Text, "Imprimer"},
      {"FrmContinue", "Notation Continue/QCM Complet", PageKind::Text, "Notation Continue"},
      {"FrmTip", "Astuces", PageKind::Tips, kTipHeading},
      {"FrmChapitre", "Chapitres / état des erreurs"},
      {"FrmPersonnaliser", "Personnaliser Ventelle"},
  };
  return pages;
}

const HelpPageEntry* helpPage(std::string_view name) {
  for (const auto& page : helpPages())
    if (page.name == name) return &page;
  return nullptr;
}

}  // namespace ventelle
