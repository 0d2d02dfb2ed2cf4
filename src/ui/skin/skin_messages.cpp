#include "ui/skin/skin_messages.h"

namespace ventelle::messages {
namespace {

const std::string kLookKept = " L'affichage reste inchangé.";

std::string quoted(const std::string& text) { return "« " + text + " »"; }

std::string valuesFound(int count) {
  if (count == 0) return "ne contient aucune valeur";
  return "ne contient que " + std::to_string(count) + (count == 1 ? " valeur" : " valeurs");
}

}  // namespace

std::string skinNotApplied(const std::string& skinName, const SkinFault& fault) {
  const std::string file = "skin/" + skinName + ".col";
  switch (fault.kind) {
    case SkinFaultKind::RefusedName:
      return "Le nom d'habillage " + quoted(skinName) + " ne désigne pas un fichier du dossier skin." + kLookKept;
    case SkinFaultKind::MissingFile:
      return "Le fichier d'habillage " + file + " est introuvable ou illisible." + kLookKept;
    case SkinFaultKind::TooFewValues:
      return "Le fichier d'habillage " + file + " " + valuesFound(fault.value) + " sur les 16 attendues." + kLookKept;
    case SkinFaultKind::BadColour:
      if (fault.text.empty())
        return "Le fichier d'habillage " + file + " est endommagé : sa valeur n° " + std::to_string(fault.value) +
               " est vide au lieu d'une couleur." + kLookKept;
      return "Le fichier d'habillage " + file + " est endommagé : sa valeur n° " + std::to_string(fault.value) + " (" +
             quoted(fault.text) + ") n'est pas une couleur, c'est-à-dire un nombre entier de 0 à 16777215." +
             kLookKept;
    case SkinFaultKind::RefusedPicture:
      return "Le fichier d'habillage " + file + " nomme l'image " + quoted(fault.text) +
             ", qui n'est pas un fichier du dossier skin." + kLookKept;
    case SkinFaultKind::MissingPicture:
      return "L'image skin/" + fault.text + " nommée par le fichier d'habillage " + file +
             " est introuvable ou n'est pas une image GIF, JPEG, PNG ou BMP." + kLookKept;
  }
  return file + kLookKept;
}

}  // namespace ventelle::messages
