#pragma once
// User names and the names users see. A user's profile is the file user name
// + ".ini"; the default user "parapente" is shown as "Utilisateur par défaut".
// Names are compared without regard to letter case, accented capitals
// included, as the data comes from a case-insensitive world.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ventelle {

// The user of "parapente.ini".
inline const std::string kDefaultUser = "parapente";
inline const std::string kDefaultUserDisplay = "Utilisateur par défaut";
inline const std::string kProfileExtension = ".ini";

// Longest user name, in characters: with ".ini" it still fits the 255 bytes
// a file name may hold, whatever the characters.
constexpr std::size_t kMaxUserNameLength = 60;

namespace user_messages {
inline const std::string kEnterName = "Entrez un nom dans la zone de texte";
inline const std::string kAlreadyListed = "Cet utilisateur est déjà dans la liste !";
inline const std::string kReserved = "Ce nom d'Utilisateur est réservé !";
inline const std::string kForbiddenCharacters =
    "Les caractères suivants sont interdits :\n"
    "\\ / : * . ? \" < > |";
inline const std::string kControlCharacters =
    "Les caractères de contrôle (tabulation, retour à la ligne...) sont interdits dans un nom d'utilisateur.";
inline const std::string kSelectUser = "Sélectionnez un Utilisateur";
inline const std::string kAlreadyActive = "Cet Utilisateur est déjà actif";
inline const std::string kCannotDelete = "Vous ne pouvez pas supprimer l'utilisateur actif ni l'Utilisateur par défaut!";
inline std::string notDeleted(const std::string& display) {
  return "Le profil de l'utilisateur " + display + " n'a pas pu être supprimé.";
}
inline const std::string kTooLong =
    "Ce nom d'utilisateur est trop long : " + std::to_string(kMaxUserNameLength) + " caractères au plus.";
}  // namespace user_messages

// The name shown for a user: "Utilisateur par défaut" for "parapente".
std::string displayName(const std::string& userName);
// The user a shown name stands for: "parapente" for "Utilisateur par défaut".
std::string userNameOf(const std::string& display);
// The shown name of a profile file: the text before its first ".".
std::string displayNameOfFile(const std::string& fileName);

// The text with its letters in small letters, for comparisons: ASCII and
// the letters of Windows-1252 (À-Þ, Œ, Š, Ž, Ÿ).
std::string foldCase(std::string_view text);
bool sameUserName(std::string_view a, std::string_view b);

// The text without blanks (spaces, no-break spaces, tabs, line ends) at
// either end.
std::string trimBlanks(std::string_view text);

// Why a typed name cannot become a new user, checked in this order: blank,
// already listed (or a profile of that name exists, in any case), reserved,
// forbidden characters, control characters, too long. Nothing when the name
// may be added. The name is taken as it is: trim it first.
std::optional<std::string> refusalOfNewUser(const std::string& name, const std::vector<std::string>& listed,
                                            const std::vector<std::string>& profileFiles);

}  // namespace ventelle
