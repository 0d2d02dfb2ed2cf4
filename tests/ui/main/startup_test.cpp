#include <gtest/gtest.h>

#include "fakes/model_on_folder.h"

namespace ventelle {
namespace {

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
  std::vector<std::string> users;  // the user items, in menu order
  for (const auto& entry : f.model.controls().menus.order())
    if (entry.name.starts_with("mnuUtilisateur")) users.push_back(f.model.controls().menus.at(entry.name).caption);
  EXPECT_EQ(users, (std::vector<std::string>{"Utilisateur par défaut", "bob", "Marie", "Tom&&Jerry"}));
  EXPECT_TRUE(f.model.examIndex() == 7 && f.model.activeUserName() == "parapente" && f.dialogs.shown.empty());
  for (const auto& [file, kept] : leftovers) EXPECT_EQ(std::filesystem::exists(installer.path() / file), kept) << file;
}

}  // namespace
}  // namespace ventelle
