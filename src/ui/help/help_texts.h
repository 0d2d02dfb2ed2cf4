#pragma once
// The French texts of the reference windows: the help index and its pages,
// the lexicon, the tips, the links and the about window.
#include <string>

#include "core/version.h"

namespace ventelle::help_texts {

// Every help window's title bar.
inline const std::string kTitle = "Aide de Ventelle";
inline const std::string kIndexHeading = "Index de l'aide de Ventelle";
inline const std::string kIndexButton = "Index";
inline const std::string kQuitButton = "Quitter";

inline const std::string kLexiconHeading = "Lexique";
inline const std::string kNextTip = "Suivant >";

inline const std::string kLinksHeading = "Supporters !";
inline const std::string kLinksContactNote =
    "Si vous désirez être dans cette liste (ou si vous nous avez déjà en lien et que vous n'y êtes pas)";
inline const std::string kLinksDownloads = "Sites de téléchargement :";
inline const std::string kLinkRequestSubject = "demande de lien Ventelle";

inline const std::string kAboutTitle = "A propos de... Ventelle";
inline const std::string kAboutName = "Ventelle";
inline const std::string kAboutVersion = "V" + std::string(kVersion);
inline const std::string kAboutCredit = "Conçu et écrit par l'auteur de Ventelle, pour les élèves pilotes et leurs moniteurs.";
inline const std::string kAboutWebCaption = "Ventelle sur le WEB :";
inline const std::string kAboutOk = "OK";

// Notices.
inline std::string refusedAddress(const std::string& address) {
  return "L'adresse " + address + " du fichier Liens.dat n'est ni une page web (http, https) ni une adresse de"
         " messagerie : Ventelle ne l'ouvre pas.";
}
inline std::string mailFailed(const std::string& address) {
  return "Aucune messagerie n'a pu être lancée pour écrire à l'adresse " + address + ".";
}
inline std::string missingPage(const std::string& path) {
  return "Le texte de cette page est introuvable : le fichier " + path +
         " est absent ou vide dans le dossier du programme.";
}
inline const std::string kNoTip =
    "Aucune astuce à afficher : le fichier Tip.txt est absent ou vide dans le dossier du programme.";
inline const std::string kNoLexicon =
    "Le lexique est vide : le fichier Lexique.dat est absent ou ne contient aucun terme.";

}  // namespace ventelle::help_texts
