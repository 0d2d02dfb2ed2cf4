#include <gtest/gtest.h>

#include "fakes/model_on_folder.h"

namespace ventelle {
namespace {

// Captions of the items of a menu, in order.
std::vector<std::string> itemsOf(const MenuBar& bar, const std::string& parent) {
  std::vector<std::string> captions;
  for (const auto& entry : bar.order())
    if (entry.parent == parent) captions.push_back(bar.at(entry.name).caption);
  return captions;
}

// On the shipped folder with some user files added.
TEST(StartUp, ListsTheUsersFoundClearsTheInstallersLeftoversAndEndsOnTheDefaultExamAndUser) {
  ModelOnFolder f;
  for (const char* file : {"parapente.ini", "Marie.ini", "bob.INI", "Tom&Jerry.ini", "notes.txt", "sous/Paul.ini"})
    f.folder.write(file, "V 6.1\n");
  TempFolder installer;  // the installer's leftovers go, in their own case only
  const std::pair<const char*, bool> leftovers[] = {
      {"Ventelle4.CAB", false}, {"SETUP.LST", false}, {"Setup.exe", true}, {"ventelle2.cab", true}};
  for (const auto& [file, kept] : leftovers) installer.write(file, "x");
  f.model.start(installer.path());
  EXPECT_EQ(itemsOf(f.model.controls().menus, "mnuFichier"),
            (std::vector<std::string>{"&Gestion des utilisateurs", "&Enregistrer", "&Reprendre", "-",
                                      "Utilisateur par défaut", "bob", "Marie", "Tom&&Jerry", "-", "&Impression", "-",
                                      "&Quitter"}));
  EXPECT_TRUE(f.model.examIndex() == 7 && f.model.activeUserName() == "parapente" && f.dialogs.shown.empty());
  for (const auto& [file, kept] : leftovers) EXPECT_EQ(std::filesystem::exists(installer.path() / file), kept) << file;
}

}  // namespace
}  // namespace ventelle
