#include <gtest/gtest.h>

#include "fakes/model_on_folder.h"
#include "ui/main/installer_cleanup.h"

namespace ventelle {
namespace {

// Captions of the items of a menu, in order.
std::vector<std::string> itemsOf(const MenuBar& bar, const std::string& parent) {
  std::vector<std::string> captions;
  for (const auto& entry : bar.order())
    if (entry.parent == parent) captions.push_back(bar.at(entry.name).caption);
  return captions;
}

// On the shipped folder with some user and skin files added.
TEST(StartUp, ListsTheUsersAndSkinsFoundAndEndsOnTheDefaultExamAndUser) {
  ModelOnFolder f;
  std::filesystem::remove_all(f.folder.path() / "skin");
  for (const char* file : {"parapente.ini", "Marie.ini", "bob.INI", "Tom&Jerry.ini", "notes.txt", "sous/Paul.ini",
                           "skin/nuit.col", "skin/Classique.col", "skin/lisez-moi.txt"})
    f.folder.write(file, "V 6.1\n");
  TempFolder installer;
  for (const char* file : {"Ventelle4.CAB", "SETUP.LST", "autre.exe"}) installer.write(file, "x");
  f.model.start(installer.path());
  const MenuBar& bar = f.model.controls().menus;
  EXPECT_EQ(itemsOf(bar, "mnuFichier"),
            (std::vector<std::string>{"&Gestion des utilisateurs", "&Enregistrer", "&Reprendre", "-",
                                      "Utilisateur par défaut", "bob", "Marie", "Tom&&Jerry", "-", "&Impression", "-",
                                      "&Quitter"}));
  EXPECT_EQ(itemsOf(bar, "mnuAffichage"), (std::vector<std::string>{"Classique", "nuit"}));
  EXPECT_EQ(f.model.examIndex(), 7);
  EXPECT_EQ(f.model.activeUserName(), "parapente");
  EXPECT_TRUE(f.dialogs.shown.empty());
  EXPECT_FALSE(std::filesystem::exists(installer.path() / "SETUP.LST"));
  EXPECT_FALSE(std::filesystem::exists(installer.path() / "Ventelle4.CAB"));
  EXPECT_TRUE(std::filesystem::exists(installer.path() / "autre.exe"));
}

TEST(InstallerCleanup, DeletesOnlyTheNamesOfTheInstallerInTheirOwnCase) {
  TempFolder installer;
  for (const char* file : {"Setup.exe", "ventelle2.cab", "Ventelle3.CAB.bak"}) installer.write(file, "x");
  std::filesystem::create_directories(installer.path() / "setup.exe");
  removeInstallerLeftovers(installer.path());
  removeInstallerLeftovers(installer.path() / "absent");
  for (const char* kept : {"Setup.exe", "ventelle2.cab", "Ventelle3.CAB.bak", "setup.exe"})
    EXPECT_TRUE(std::filesystem::exists(installer.path() / kept)) << kept;
}

}  // namespace
}  // namespace ventelle
