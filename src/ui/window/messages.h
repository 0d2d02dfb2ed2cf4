#pragma once
// The French texts of the main window's messages.
#include <optional>
#include <string>
#include <vector>

namespace ventelle::messages {

inline const std::string kWarningTitle = "Attention !";
inline const std::string kFatalTitle = "Erreur Fatale";
inline const std::string kNoChapter = "Sélectionnez au moins un chapitre !";
inline const std::string kAllAsked =
    "Les questions des chapitres sélectionnés ont toutes été posées,\n"
    "le compteur anti-doublon va être invalidé.";
inline const std::string kNoChangeAfterCorrection = "Vous ne pouvez pas modifier vos réponses après correction";
inline const std::string kViewingQuestionnaire =
    "Vous êtes en mode de visualisation (clic liste)\n"
    "et d'édition (double-clic liste) d'un questionnaire\n"
    "pour impression.\n"
    "Pour reprendre le QCM, cliquez sur le bouton\n"
    "\"Retour au Questionnaire\"";
inline const std::string kFinishQuestionnaire =
    "Vous devez terminer le questionnaire avant de passer\n"
    "à l'évaluation. Pour être évalué en cours de questionnaire,\n"
    "passez en mode \"Evaluation Continue\"";
inline const std::string kRepeatedMistakeTitle = "Vous avez déjà fait cette faute !";
inline const std::string kRepeatedMistake = "Révisez cette question";
inline const std::string kCommentTitle = "Commentaire:";
inline const std::string kMissingFileTitle = "Fichier introuvable";
inline const std::string kEmptyChapterTitle = "Chapitre vide";
inline const std::string kUnreadablePictureTitle = "Image illisible";

inline std::string missingChapter(const std::string& path) {
  return "Le fichier " + path + " est introuvable ou illisible : ce chapitre ne peut pas être interrogé.";
}
inline std::string emptyChapter(const std::string& path) {
  return "Le fichier " + path + " ne contient aucune question : ce chapitre ne peut pas être interrogé.";
}
inline std::string missingPicture(const std::string& path) {
  return "L'image " + path + " est introuvable : la question est posée sans son image.";
}
inline std::string unreadablePicture(const std::string& path) {
  return "L'image " + path + " n'est pas une image JPEG lisible : la question est posée sans son image.";
}

// Module files of the 2004 bank that could not be read while building the
// chapters of a brevet: their chapters cannot be asked.
std::string unreadableModules(const std::vector<std::string>& paths);
// ... while adding the lower brevets: their questions are left out.
std::string unreadableLowerModules(const std::vector<std::string>& paths);
// Chapter files that could not be written.
std::string unwritableChapters(const std::vector<std::string>& paths);
inline const std::string kWriteFailedTitle = "Ecriture impossible";

inline std::string missingTextFile(const std::string& path) { return "Le fichier " + path + " est introuvable."; }
inline std::string editorFailed(const std::string& path) {
  return "Aucun éditeur de texte n'a pu être lancé pour ouvrir le fichier " + path + ".";
}
inline std::string browserFailed(const std::string& address) {
  return "Aucun navigateur n'a pu être lancé pour ouvrir l'adresse " + address + ".";
}

inline const std::string kOldFormatTitle = "ATTENTION: Changement de format des fichiers \"Utilisateurs\"";
// Copy: the name the file was kept under, or nothing when it could not be moved.
std::string oldFormatProfile(const std::string& file, const std::optional<std::string>& copy);
inline const std::string kEvaluatedQuestionnaire = "Vous ne pouvez pas enregistrer un QCM évalué !";
inline const std::string kDamagedProfileTitle = "Fichier utilisateur endommagé";
// What could not be read, one item per line, and where the original is kept
// (nothing when no copy could be made).
std::string damagedProfile(const std::string& file, const std::vector<std::string>& problems,
                           const std::optional<std::string>& copy);
inline std::string missingProfile(const std::string& file) {
  return "Le fichier utilisateur \"" + file + "\" est introuvable : un profil neuf a été créé.";
}
// A profile that is there but cannot be read, left as it is: found at start-up, ...
inline const std::string kReadFailedTitle = "Lecture impossible";
inline std::string unreadableProfile(const std::string& file) {
  return "Le fichier utilisateur \"" + file +
         "\" ne peut pas être lu (lecture interdite, erreur de disque ou dossier à sa place) : il est laissé tel quel.";
}
// ... when its user is chosen: the active user stays (by the name shown) ...
inline std::string unreadableProfileNotLoaded(const std::string& file, const std::string& activeUser) {
  return unreadableProfile(file) + " L'utilisateur actif reste \"" + activeUser + "\".";
}
// ... at start-up, with no user before ...
inline std::string unreadableProfileDefaults(const std::string& file) {
  return unreadableProfile(file) + " Les réglages par défaut sont utilisés.";
}
// ... after a marking or at a re-ask.
inline std::string unreadableProfileMistakes(const std::string& file) {
  return unreadableProfile(file) + " Vos fautes n'y sont pas enregistrées tant qu'il ne peut pas être lu.";
}
inline std::string unwritableJournal(const std::string& file) {
  return "Le journal des réponses \"" + file +
         "\" n'a pas pu être écrit (dossier protégé en écriture ou disque plein) : "
         "cette réponse n'y est pas gardée. Le reste du journal est intact.";
}
inline std::string unwritableProfile(const std::string& file) {
  return "Le fichier utilisateur \"" + file +
         "\" n'a pas pu être écrit (dossier protégé en écriture ou disque plein). "
         "Le fichier précédent est resté intact.";
}

// The default user's profile, made anew at each start: told once after a save.
inline const std::string kDefaultUserSavedTitle = "Utilisateur par défaut";
inline const std::string kDefaultUserSaved =
    "Vos réglages, vos fautes et votre questionnaire sont enregistrés.\n\n"
    "Mais le profil de l'utilisateur par défaut est refait à neuf à chaque démarrage du programme, "
    "et chaque partie du Jeu de l'Oie le réécrit, à chaque question puis à sa fermeture : "
    "ce que vous venez d'enregistrer sera perdu au prochain démarrage ou à la prochaine partie.\n\n"
    "Pour retrouver vos résultats d'une séance à l'autre, créez votre utilisateur dans "
    "\"Gestion des utilisateurs\" : son profil conserve vos résultats.";
inline const std::string kUserManagementButton = "&Gestion des utilisateurs";

// Printing.
inline const std::string kPrintQuestionnairesTitle = "Imprimer des questionnaires";
inline const std::string kPrintAnswerSheetsTitle = "Imprimer des grilles de réponses";
inline const std::string kQuestionnaireCopies =
    "Indiquez ci dessous le nombre de questionnaires à imprimer, compter environ 3 pages pour 20 questions...";
inline const std::string kAnswerSheetCopies = "Indiquez ci dessous le nombre de formulaires à imprimer";
// The input box asking how many copies of a document of that exam to print.
inline std::string copiesPrompt(const std::string& printTitle, const std::string& printSubtitle,
                                const std::string& request) {
  return "Version: " + printTitle + "\nOption:  " + printSubtitle + "\n" + request;
}
inline std::string tooManyCopies(int most) {
  return "Vous ne pouvez pas imprimer plus de " + std::to_string(most) +
         " exemplaires à la fois : indiquez un nombre plus petit.";
}
inline const std::string kPrintFailedTitle = "Impression impossible";
inline const std::string kPrintFailed =
    "L'impression n'a pas pu se faire : vérifiez l'imprimante, ou le dossier et le nom du fichier PDF.";
// Pictures of the questionnaire that could not be read: their questions print without them.
std::string picturesNotPrinted(const std::vector<std::string>& paths);
inline const std::string kEditedCopiesTitle = "Vos fichiers modifiés";
// Shipped files the user edited in their own folder: their versions stay in use.
std::string editedCopies(const std::string& folder, const std::vector<std::string>& paths);
// The user's folder of an installed program cannot be made.
inline std::string userFolderUnavailable(const std::string& folder) {
  return "Votre dossier personnel " + folder +
         " ne peut pas être créé : vos profils et vos fautes ne pourront pas être enregistrés.";
}

}  // namespace ventelle::messages
