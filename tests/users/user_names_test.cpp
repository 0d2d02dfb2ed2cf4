#include "users/user_names.h"

#include <gtest/gtest.h>

namespace ventelle {
namespace {

namespace m = user_messages;
using Names = std::vector<std::string>;

TEST(UserNames, TheDefaultUserIsShownUnderHisOwnNameBothWays) {
  EXPECT_EQ(displayName("parapente"), "Utilisateur par défaut");
  EXPECT_EQ(displayName("Marie"), "Marie");
  EXPECT_EQ(userNameOf("Utilisateur par défaut"), "parapente");
  EXPECT_EQ(userNameOf("utilisateur PAR DÉFAUT"), "parapente");
  EXPECT_EQ(userNameOf("Marie"), "Marie");
}

TEST(UserNames, AFileIsShownByTheTextBeforeItsFirstDot) {
  EXPECT_EQ(displayNameOfFile("Marie.ini"), "Marie");
  EXPECT_EQ(displayNameOfFile("Parapente.INI"), "Utilisateur par défaut");
  EXPECT_EQ(displayNameOfFile("jean.dupont.ini"), "jean");
}

TEST(UserNames, CaseIsFoldedForTheLettersOfWindows1252) {
  EXPECT_EQ(foldCase("ÉLODIE À L'ŒIL ŠŽŸ ÞØ"), "élodie à l'œil šžÿ þø");
  // The multiplication sign sits among the capitals but is none.
  EXPECT_EQ(foldCase("×÷ß"), "×÷ß");
  EXPECT_EQ(foldCase("ΣA"), "Σa");
  EXPECT_EQ(foldCase("a\xC3"), "a\xC3");  // a cut character is kept as it is
  EXPECT_TRUE(sameUserName("Hélène", "HÉLÈNE"));
  EXPECT_FALSE(sameUserName("Helene", "Hélène"));
}

TEST(UserNames, BlanksAreTrimmedAtBothEndsOnly) {
  EXPECT_EQ(trimBlanks("  Jean  Paul \t\r\n"), "Jean  Paul");
  EXPECT_EQ(trimBlanks("\xC2\xA0Marie\xC2\xA0"), "Marie");
  EXPECT_EQ(trimBlanks(" \t "), "");
  EXPECT_EQ(trimBlanks("Zoé"), "Zoé");
}

struct RefusalCase {
  std::string name;
  std::string refusal;  // empty: accepted
};

class NewUserRefusal : public ::testing::TestWithParam<RefusalCase> {};

const Names kListed = {"bob", "Marie", "Utilisateur par défaut"};
const Names kFiles = {"bob.ini", "Marie.ini", "parapente.ini", "x.y.ini", "Zoé.ini"};

TEST_P(NewUserRefusal, ChecksInTheirOrder) {
  const auto refusal = refusalOfNewUser(GetParam().name, kListed, kFiles);
  EXPECT_EQ(refusal.value_or(""), GetParam().refusal);
}

INSTANTIATE_TEST_SUITE_P(
    Names, NewUserRefusal,
    ::testing::Values(
        RefusalCase{"", m::kEnterName},
        RefusalCase{"marie", m::kAlreadyListed},
        RefusalCase{"utilisateur par défaut", m::kAlreadyListed},
        RefusalCase{"UTILISATEUR PAR DÉFAUT", m::kAlreadyListed},
        RefusalCase{"ZOÉ", m::kAlreadyListed},  // a profile, even not listed
        RefusalCase{"X.Y", m::kAlreadyListed},  // a profile is found before its dot is refused
        RefusalCase{"PARAPENTE", m::kReserved},
        RefusalCase{"parapente", m::kReserved},
        RefusalCase{"Jean D.", m::kForbiddenCharacters},
        RefusalCase{"..", m::kForbiddenCharacters},
        RefusalCase{"a\\b", m::kForbiddenCharacters}, RefusalCase{"a/b", m::kForbiddenCharacters},
        RefusalCase{"a:b", m::kForbiddenCharacters}, RefusalCase{"a*b", m::kForbiddenCharacters},
        RefusalCase{"a?b", m::kForbiddenCharacters}, RefusalCase{"a\"b", m::kForbiddenCharacters},
        RefusalCase{"a<b", m::kForbiddenCharacters}, RefusalCase{"a>b", m::kForbiddenCharacters},
        RefusalCase{"a|b", m::kForbiddenCharacters},
        RefusalCase{"Jean\tPaul", m::kControlCharacters},
        RefusalCase{"a\x7F", m::kControlCharacters},
        RefusalCase{"a\xC2\x85", m::kControlCharacters},  // U+0085, next line
        RefusalCase{std::string(60, 'a') + "\t", m::kControlCharacters},
        RefusalCase{std::string(61, 'a'), m::kTooLong},
        // Sixty characters pass, however many bytes they take.
        RefusalCase{[] {
                      std::string name;
                      for (int i = 0; i < 60; ++i) name += "é";
                      return name;
                    }(),
                    ""},
        RefusalCase{"Tom&Jerry", ""}, RefusalCase{"Jean-Pierre d'Artagnan", ""}, RefusalCase{"Utilisateur", ""},
        RefusalCase{"bobby", ""}));

TEST(UserNames, TheDefaultUsersShownNameIsReservedEvenWithoutHisProfile) {
  EXPECT_EQ(refusalOfNewUser("Utilisateur par défaut", {}, {}), m::kReserved);
}

}  // namespace
}  // namespace ventelle
