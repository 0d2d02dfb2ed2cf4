#include "users/user_names.h"

#include <gtest/gtest.h>

namespace ventelle {
namespace {

namespace m = user_messages;

std::string times(int n, const std::string& character) {
  std::string text;
  for (int i = 0; i < n; ++i) text += character;
  return text;
}

// A file is shown by the text before its first dot.
TEST(UserNames, TheDefaultUserIsShownUnderHisOwnNameBothWays) {
  EXPECT_EQ(displayName("parapente"), "Utilisateur par défaut");
  EXPECT_EQ(displayName("Marie"), "Marie");
  EXPECT_EQ(userNameOf("utilisateur PAR DÉFAUT"), "parapente");
  EXPECT_EQ(userNameOf("Marie"), "Marie");
  for (const auto& [file, shown] : {std::pair{"Marie.ini", "Marie"}, {"Parapente.INI", "Utilisateur par défaut"},
                                    {"jean.dupont.ini", "jean"}})
    EXPECT_EQ(displayNameOfFile(file), shown);
}

// The multiplication sign sits among the capitals but is none; a cut
// character is kept as it is.
TEST(UserNames, CaseIsFoldedForTheLettersOfWindows1252AndBlanksAreTrimmedAtTheEndsOnly) {
  for (const auto& [text, folded] : {std::pair{"ÉLODIE À L'ŒIL ŠŽŸ ÞØ", "élodie à l'œil šžÿ þø"}, {"×÷ß", "×÷ß"},
                                     {"ΣA", "Σa"}, {"a\xC3", "a\xC3"}})
    EXPECT_EQ(foldCase(text), folded);
  EXPECT_TRUE(sameUserName("Hélène", "HÉLÈNE"));
  EXPECT_FALSE(sameUserName("Helene", "Hélène"));
  for (const auto& [text, trimmed] :
       {std::pair{" Jean  Paul \t\n", "Jean  Paul"}, {"\xC2\xA0Marie\xC2\xA0", "Marie"}, {" \t ", ""}, {"Zoé", "Zoé"}})
    EXPECT_EQ(trimBlanks(text), trimmed);
}

// The checks come in this order; a name that a profile holds in any case is
// taken, even when not listed, and is found before its dot is refused.
// Sixty characters pass, however many bytes they take.
TEST(UserNames, ANewUserIsRefusedForTheFirstReasonThatHolds) {
  const std::vector<std::string> listed = {"bob", "Marie", "Utilisateur par défaut"};
  const std::vector<std::string> files = {"bob.ini", "Marie.ini", "parapente.ini", "x.y.ini", "Zoé.ini"};
  for (const auto& [refusal, names] : std::vector<std::pair<std::string, std::vector<std::string>>>{
           {m::kEnterName, {""}},
           {m::kAlreadyListed, {"marie", "UTILISATEUR PAR DÉFAUT", "ZOÉ", "X.Y"}},
           {m::kReserved, {"PARAPENTE", "parapente"}},
           {m::kForbiddenCharacters,
            {"Jean D.", "..", "a\\b", "a/b", "a:b", "a*b", "a?b", "a\"b", "a<b", "a>b", "a|b"}},
           {m::kControlCharacters, {"Jean\tPaul", "a\x7F", "a\xC2\x85", times(60, "a") + "\t"}},  // U+0085, next line
           {m::kTooLong, {times(61, "a")}},
           {"", {times(60, "é"), times(60, "€"), "Tom&Jerry", "Jean-Pierre d'Artagnan", "Utilisateur", "bobby"}}})
    for (const auto& name : names) EXPECT_EQ(refusalOfNewUser(name, listed, files).value_or(""), refusal) << name;
  EXPECT_EQ(refusalOfNewUser("Utilisateur par défaut", {}, {}), m::kReserved);  // even without his profile
}

}  // namespace
}  // namespace ventelle
