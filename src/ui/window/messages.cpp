#include "ui/window/messages.h"

namespace ventelle::messages {
namespace {

std::string listed(const std::vector<std::string>& paths) {
  std::string text;
  for (std::size_t i = 0; i < paths.size(); ++i) text += (i == 0 ? "" : i + 1 == paths.size() ? " et " : ", ") + paths[i];
  return text;
}

// "Le fichier X est ..." or "Les fichiers X et Y sont ...".
std::string aboutFiles(const std::vector<std::string>& paths, const std::string& one, const std::string& many) {
  return paths.size() == 1 ? "Le fichier " + paths.front() + " " + one : "Les fichiers " + listed(paths) + " " + many;
}

}  // namespace

std::string unreadableModules(const std::vector<std::string>& paths) {
  return aboutFiles(paths, "est introuvable ou illisible : le chapitre qu'il compose ne pourra pas être interrogé.",
                    "sont introuvables ou illisibles : les chapitres qu'ils composent ne pourront pas être interrogés.");
}

std::string unreadableLowerModules(const std::vector<std::string>& paths) {
  return aboutFiles(paths, "est introuvable ou illisible : ses questions ne sont pas incluses.",
                    "sont introuvables ou illisibles : leurs questions ne sont pas incluses.");
}

std::string unwritableChapters(const std::vector<std::string>& paths) {
  return aboutFiles(paths, "n'a pas pu être écrit (dossier protégé ou disque plein) : ce chapitre ne pourra pas être interrogé.",
                    "n'ont pas pu être écrits (dossier protégé ou disque plein) : ces chapitres ne pourront pas être interrogés.");
}

std::string oldFormatProfile(const std::string& file, const std::optional<std::string>& copy) {
  return "Le fichier utilisateur \"" + file + "\" va être supprimé. Vous devrez \n"
         "éventuellement le recréer avec le menu \"Gestion des Utilisateur\"\n" +
         (copy ? "Son contenu est gardé sous le nom \"" + *copy + "\"."
               : std::string("Il n'a pas pu être mis de côté (dossier protégé en écriture) : il reste en place."));
}

std::string damagedProfile(const std::string& file, const std::vector<std::string>& problems,
                           const std::optional<std::string>& copy) {
  std::string text = "Le fichier utilisateur \"" + file +
                     "\" est endommagé. Ce qui n'a pas pu être lu a pris sa valeur par défaut :\n";
  for (const auto& problem : problems) text += "- " + problem + "\n";
  text += copy ? "Le fichier d'origine est gardé sous le nom \"" + *copy + "\"."
                   : "Aucune copie du fichier d'origine n'a pu être gardée (dossier protégé en écriture ou disque "
                     "plein) : il sera remplacé au prochain enregistrement.";
  return text;
}

std::string picturesNotPrinted(const std::vector<std::string>& paths) {
  return paths.size() == 1
             ? "L'image " + paths.front() + " est introuvable ou illisible : sa question est imprimée sans image."
             : "Les images " + listed(paths) +
                   " sont introuvables ou illisibles : leurs questions sont imprimées sans image.";
}

std::string editedCopies(const std::string& folder, const std::vector<std::string>& paths) {
  std::string text = "Vous avez modifié des fichiers livrés avec Ventelle. Vos versions, gardées dans " + folder +
                     ", restent en usage à la place de celles du programme :\n";
  for (const auto& path : paths) text += "- " + path + "\n";
  text += "Pour revenir à la version du programme, supprimez votre copie.";
  return text;
}

}  // namespace ventelle::messages
