#include <gtest/gtest.h>

#include "fakes/model_on_folder.h"
#include "ui/main/installer_cleanup.h"

namespace ventelle {
namespace {

// The model on a copy of the shipped program folder with some extra files.
class StartUpFixture : public ModelOnFolder {
 public:
  explicit StartUpFixture(const std::vector<std::string>& extraFiles = {}) {
    for (const auto& file : extraFiles) folder.write(file, "V 6.1\n");
  }
  // Captions of the items of a menu, in order.
  std::vector<std::string> itemsOf(const std::string& parent) const {
    std::vector<std::string> captions;
    const MenuBar& bar = model.controls().menus;
    for (const auto& entry : bar.order())
      if (entry.parent == parent) captions.push_back(bar.at(entry.name).caption);
    return captions;
  }
};

using Captions = std::vector<std::string>;

TEST(StartUp, ListsEveryUserFileButTheDefaultOneBetweenTheSeparators) {
  StartUpFixture f({"parapente.ini", "Marie.ini", "bob.INI", "Tom&Jerry.ini", "notes.txt", "sous/Paul.ini"});
  f.model.start();
  EXPECT_EQ(f.itemsOf("mnuFichier"),
            (Captions{"&Gestion des utilisateurs", "&Enregistrer", "&Reprendre", "-", "Utilisateur par défaut", "bob",
                      "Marie", "Tom&&Jerry", "-", "&Impression", "-", "&Quitter"}));
  EXPECT_TRUE(f.model.controls().menus.contains("mnuUtilisateur3"));
}

TEST(StartUp, WithoutUserFilesTheFileMenuHoldsOnlyTheDefaultUser) {
  StartUpFixture f({"parapente.ini"});
  f.model.start();
  EXPECT_EQ(f.itemsOf("mnuFichier"), (Captions{"&Gestion des utilisateurs", "&Enregistrer", "&Reprendre", "-",
                                               "Utilisateur par défaut", "-", "&Impression", "-", "&Quitter"}));
}

TEST(StartUp, ListsTheSkinsAndKeepsTheDesignedCaptionWithoutAny) {
  StartUpFixture none;
  std::filesystem::remove_all(none.folder.path() / "skin");
  none.model.start();
  EXPECT_EQ(none.itemsOf("mnuAffichage"), Captions{"skin"});

  StartUpFixture f;
  std::filesystem::remove_all(f.folder.path() / "skin");
  for (const char* file : {"skin/parapente.col", "skin/Classique.col", "skin/nuit.col", "skin/lisez-moi.txt"})
    f.folder.write(file, "V 6.1\n");
  f.model.start();
  EXPECT_EQ(f.itemsOf("mnuAffichage"), (Captions{"Classique", "nuit", "parapente"}));
  EXPECT_EQ(f.model.controls().menus.order()[f.model.controls().menus.order().size() - 1].name, "mnuApropos");
}

TEST(StartUp, EndsOnTheDefaultExamForTheDefaultUserWithItsFirstQuestion) {
  StartUpFixture f;
  f.model.start();
  EXPECT_EQ(f.model.examIndex(), 7);
  EXPECT_EQ(f.model.controls().title,
            "Ventelle - QCM 2004 Parapente - Brevet de Pilote - FFVL               -Utilisateur par défaut-");
  EXPECT_FALSE(f.model.controls().labelQuestion.empty());
  EXPECT_TRUE(f.dialogs.shown.empty());
}

TEST(StartUp, RemovesInstallerLeftoversFromTheInstallersFolderOnly) {
  StartUpFixture f;
  TempFolder installer;
  for (const char* file : {"Ventelle1.CAB", "Ventelle4.CAB", "setup.exe", "SETUP.LST", "autre.exe"})
    installer.write(file, "x");
  f.model.start(installer.path());
  for (const char* file : {"Ventelle1.CAB", "Ventelle4.CAB", "setup.exe", "SETUP.LST"})
    EXPECT_FALSE(std::filesystem::exists(installer.path() / file)) << file;
  EXPECT_TRUE(std::filesystem::exists(installer.path() / "autre.exe"));
}

TEST(InstallerCleanup, DeletesOnlyTheNamesOfTheInstallerInTheirOwnCase) {
  TempFolder installer;
  for (const char* file : {"SETUP.LST", "Setup.exe", "ventelle2.cab", "Ventelle3.CAB.bak"}) installer.write(file, "x");
  std::filesystem::create_directories(installer.path() / "setup.exe");

  removeInstallerLeftovers(installer.path());

  EXPECT_FALSE(std::filesystem::exists(installer.path() / "SETUP.LST"));
  for (const char* kept : {"Setup.exe", "ventelle2.cab", "Ventelle3.CAB.bak", "setup.exe"})
    EXPECT_TRUE(std::filesystem::exists(installer.path() / kept)) << kept;
}

TEST(InstallerCleanup, AnEmptyOrMissingFolderIsNoTrouble) {
  TempFolder installer;
  removeInstallerLeftovers(installer.path());
  removeInstallerLeftovers(installer.path() / "absent");
  EXPECT_TRUE(std::filesystem::is_empty(installer.path()));
}

}  // namespace
}  // namespace ventelle
