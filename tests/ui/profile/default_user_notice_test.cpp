#include <gtest/gtest.h>

#include "core/text_file.h"
#include "ui/model_harness.h"

namespace ventelle {
namespace {

std::string firstProfileLine(const ModelHarness& h, const std::string& user) {
  return readTextFile(h.folder.path() / (user + ".ini")).value().front();
}

TEST(DefaultUserNotice, TheDefaultUsersFirstSaveIsWrittenThenTellsOnceWhereWorkIsKept) {
  ModelHarness h;
  h.start();
  std::string whenTold;
  h.dialogs.whileShown = [&] { whenTold = firstProfileLine(h, "parapente"); };

  h.model.menuCommand("mnuEnregistrer");
  h.model.menuCommand("mnuEnregistrer");

  ASSERT_EQ(h.dialogs.shown.size(), 1u);
  const ShownMessage& told = h.dialogs.shown[0];
  EXPECT_EQ(told.icon, MessageIcon::Information);
  EXPECT_EQ(told.title, "Utilisateur par défaut");
  EXPECT_NE(told.text.find("refait à neuf à chaque démarrage"), std::string::npos);
  EXPECT_NE(told.text.find("Jeu de l'Oie"), std::string::npos);
  EXPECT_NE(told.text.find("\"Gestion des utilisateurs\""), std::string::npos);
  EXPECT_EQ(told.button, "&Gestion des utilisateurs");
  EXPECT_TRUE(whenTold.starts_with("\"V 6.1\",")) << "the profile is saved before the notice";
  EXPECT_FALSE(h.model.takeUserWindowRequest());
}

TEST(DefaultUserNotice, ItsButtonAsksOnceForTheUserManagementWindow) {
  ModelHarness h;
  h.start();
  h.dialogs.pressButton = true;
  h.model.menuCommand("mnuEnregistrer");
  EXPECT_TRUE(h.model.takeUserWindowRequest());
  EXPECT_FALSE(h.model.takeUserWindowRequest());
}

TEST(DefaultUserNotice, ARefusedSaveTellsNothingAndAnotherUserIsNeverTold) {
  ModelHarness h;
  h.start(3, 1);
  h.markRun(3, 1, 16, "Zéro");  // 16 wrong answers: the 60-question test is failed
  ASSERT_FALSE(h.controls().question.visible);
  h.dialogs.shown.clear();
  h.model.menuCommand("mnuEnregistrer");
  ASSERT_EQ(h.dialogs.shown.size(), 1u);
  EXPECT_EQ(h.dialogs.shown[0].text, "Vous ne pouvez pas enregistrer un QCM évalué !");

  h.folder.writeBytes("Marie.ini", "");
  h.model.initialiseUser("Marie");
  h.model.loadUser("Marie");
  h.dialogs.shown.clear();
  h.model.menuCommand("mnuEnregistrer");
  EXPECT_TRUE(firstProfileLine(h, "Marie").starts_with("\"V 6.1\","));
  EXPECT_TRUE(h.dialogs.shown.empty());

  h.model.loadUser("parapente");
  h.model.menuCommand("mnuEnregistrer");
  ASSERT_EQ(h.dialogs.shown.size(), 1u);
  EXPECT_EQ(h.dialogs.shown[0].title, "Utilisateur par défaut");
}

}  // namespace
}  // namespace ventelle
