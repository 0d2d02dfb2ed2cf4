#include "ui/profile/user_menu.h"

#include <gtest/gtest.h>

namespace ventelle {
namespace {

using Names = std::vector<std::string>;

// The "&Fichier" menu between its first two separators: item names and
// captions in order.
Names userItemNames(const MenuBar& menus) {
  Names names;
  bool inside = false;
  for (const auto& entry : menus.order()) {
    if (entry.parent != "mnuFichier") continue;
    if (menus.at(entry.name).caption == "-") {
      if (inside) break;
      inside = true;
    } else if (inside) {
      names.push_back(entry.name + " " + menus.at(entry.name).caption);
    }
  }
  return names;
}

TEST(UserMenu, ItemsAreAddedBeforeTheSeparatorWithTheirNamesShownAsTyped) {
  MenuBar menus = initialMenuBar();
  addUserItem(menus, "Marie");
  addUserItem(menus, "Tom&Jerry");
  EXPECT_EQ(userItemNames(menus),
            (Names{"mnuUtilisateur0 Utilisateur par défaut", "mnuUtilisateur1 Marie", "mnuUtilisateur2 Tom&&Jerry"}));
}

// A removed item leaves its number unused: the next one goes above the
// highest number in use.
TEST(UserMenu, NumbersLeftByRemovedItemsAreNotTakenAgain) {
  MenuBar menus = initialMenuBar();
  for (const char* user : {"A", "B", "C"}) addUserItem(menus, user);
  removeUserItems(menus, "B");
  addUserItem(menus, "D");
  EXPECT_EQ(userItemNames(menus), (Names{"mnuUtilisateur0 Utilisateur par défaut", "mnuUtilisateur1 A",
                                         "mnuUtilisateur3 C", "mnuUtilisateur4 D"}));
  removeUserItems(menus, "D");
  addUserItem(menus, "E");
  EXPECT_EQ(userItemNames(menus).back(), "mnuUtilisateur4 E");
}

TEST(UserMenu, RemovingAUserTakesEveryItemShowingHisNameInAnyCase) {
  MenuBar menus = initialMenuBar();
  for (const char* user : {"Élodie", "Tom&Jerry", "ÉLODIE", "Tom", "élodie2"}) addUserItem(menus, user);
  removeUserItems(menus, "élodie");
  removeUserItems(menus, "tom&jerry");
  EXPECT_EQ(userItemNames(menus),
            (Names{"mnuUtilisateur0 Utilisateur par défaut", "mnuUtilisateur4 Tom", "mnuUtilisateur5 élodie2"}));
  EXPECT_FALSE(menus.contains("mnuUtilisateur1"));
}

// Item 0 is the default user's for good.
TEST(UserMenu, TheDefaultUsersItemIsNeverRemoved) {
  MenuBar menus = initialMenuBar();
  removeUserItems(menus, "Utilisateur par défaut");
  removeUserItems(menus, "parapente");
  EXPECT_EQ(userItemNames(menus), Names{"mnuUtilisateur0 Utilisateur par défaut"});
}

TEST(UserMenu, AChosenItemGivesTheUserItStandsFor) {
  MenuBar menus = initialMenuBar();
  addUserItem(menus, "Tom&Jerry");
  addUserItem(menus, "Marie");
  EXPECT_EQ(userOfItem(menus, "mnuUtilisateur0"), "parapente");
  EXPECT_EQ(userOfItem(menus, "mnuUtilisateur1"), "Tom&Jerry");
  EXPECT_EQ(userOfItem(menus, "mnuUtilisateur2"), "Marie");
  for (const char* other : {"mnuUtilisateur3", "mnuUtilisateur", "mnuUtilisateurs1", "mnuEnregistrer", "mnuGestionU"})
    EXPECT_EQ(userOfItem(menus, other), std::nullopt) << other;
}

TEST(UserMenu, ShownTextOfCaptions) {
  EXPECT_EQ(shownText("Tom&&Jerry"), "Tom&Jerry");
  EXPECT_EQ(shownText("&Fichier"), "Fichier");
  EXPECT_EQ(shownText("&&&&"), "&&");
  EXPECT_EQ(shownText(literalCaption("A & B&")), "A & B&");
}

}  // namespace
}  // namespace ventelle
