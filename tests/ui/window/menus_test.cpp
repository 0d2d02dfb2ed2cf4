#include <gtest/gtest.h>

#include "fakes/model_on_folder.h"
#include "ui/model_harness.h"
#include "ui/window/expected_menus.h"

namespace ventelle {
namespace {

using MenuFixture = ModelOnFolder;

TEST(MenuBar, StandsAsDesignedWhenTheWindowIsCreated) {
  MenuFixture f;
  const MenuBar& bar = f.model.controls().menus;
  const auto& expected = expectedMenusAtCreation();
  ASSERT_EQ(bar.order().size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const ExpectedMenu& want = expected[i];
    SCOPED_TRACE(want.name);
    EXPECT_EQ(bar.order()[i].name, want.name);
    EXPECT_EQ(bar.order()[i].parent, want.parent);
    const MenuItem& item = bar.at(want.name);
    EXPECT_EQ(item.caption, want.caption);
    EXPECT_EQ(item.checked, want.checked);
    EXPECT_TRUE(item.visible);
    EXPECT_EQ(item.enabled, want.enabled);
  }
}

TEST(MenuBar, ACaptionReadsWithoutItsAccessKeyMarker) {
  for (const auto& [caption, shown] : {std::pair{"&Méteo", "Méteo"}, {"Vol && Sécurité", "Vol & Sécurité"},
                                       {"Mét&eo", "Méteo"}, {"Fin&", "Fin"}, {"Sans", "Sans"}})
    EXPECT_EQ(shownCaption(caption), shown) << caption;
  EXPECT_EQ(shownCaption(literalCaption("A & B && C")), "A & B && C");
}

TEST(MenuBar, EveryLinkItemOpensAWebAddressAndAFailedBrowserIsReported) {
  MenuFixture f;
  f.model.start();
  for (const std::string& item : expectedLinkItems()) {
    SCOPED_TRACE(item);
    f.desktop.addresses.clear();
    EXPECT_TRUE(f.model.menuCommand(item));
    ASSERT_EQ(f.desktop.addresses.size(), 1u);
    EXPECT_EQ(f.desktop.addresses[0].rfind("https://", 0), 0u);
  }
  EXPECT_TRUE(f.dialogs.shown.empty());

  f.desktop.handlersStart = false;
  f.model.menuCommand("mnuVAV");
  ASSERT_EQ(f.dialogs.shown.size(), 1u);
  EXPECT_EQ(f.dialogs.shown[0].icon, MessageIcon::Exclamation);
  EXPECT_EQ(f.dialogs.shown[0].text, "Aucun navigateur n'a pu être lancé pour ouvrir l'adresse " +
                                         f.desktop.addresses.back() + ".");
}

// A school may edit the links file: an item it leaves empty opens nothing,
// and one that names anything but a web page or a mail is refused.
TEST(MenuBar, ALinkItemTakesItsAddressFromTheLinksFileAtEachClick) {
  MenuFixture f;
  f.model.start();
  f.folder.write("Liens.dat", "mnuVAV=\nmnuAZ=file:///etc/passwd\nmnuRadio=https://club.example/radio\n");
  for (const char* item : {"mnuVAV", "mnuAZ", "mnuRadio"}) EXPECT_TRUE(f.model.menuCommand(item));
  EXPECT_EQ(f.desktop.addresses, std::vector<std::string>{"https://club.example/radio"});
  ASSERT_EQ(f.dialogs.shown.size(), 1u);
  EXPECT_EQ(f.dialogs.shown[0].text, "L'adresse file:///etc/passwd du fichier Liens.dat n'est ni une page web (http, "
                                     "https) ni une adresse de messagerie : Ventelle ne l'ouvre pas.");
}

TEST(MenuBar, TextFilesOpenInTheEditorAndAMissingFileOrEditorIsReported) {
  MenuFixture f;
  f.model.start();
  f.model.menuCommand("mnuInfo");
  f.model.menuCommand("mnuRedac");
  ASSERT_EQ(f.desktop.textFiles.size(), 2u);
  EXPECT_EQ(f.desktop.textFiles[0], f.folder.path() / "info.txt");
  EXPECT_EQ(f.desktop.textFiles[1], f.folder.path() / "manuel" / "qbiredac.txt");
  EXPECT_TRUE(f.dialogs.shown.empty());

  f.desktop.handlersStart = false;
  f.model.menuCommand("mnuInfo");
  std::filesystem::remove(f.folder.path() / "manuel" / "qbiredac.txt");
  f.model.menuCommand("mnuRedac");
  ASSERT_EQ(f.dialogs.shown.size(), 2u);
  EXPECT_EQ(f.dialogs.shown[0].text, "Aucun éditeur de texte n'a pu être lancé pour ouvrir le fichier info.txt.");
  EXPECT_EQ(f.dialogs.shown[1].title, "Fichier introuvable");
  EXPECT_EQ(f.dialogs.shown[1].text, "Le fichier manuel\\qbiredac.txt est introuvable.");
  EXPECT_EQ(f.desktop.textFiles.size(), 3u);
}

TEST(MenuBar, CommandsOfWindowsStillToComeChangeNothing) {
  MenuFixture f;
  f.model.start();
  const WindowControls before = f.model.controls();
  for (const char* item : {"mnuGestionU"})
    EXPECT_FALSE(f.model.menuCommand(item)) << item;
  EXPECT_EQ(f.model.controls().labelQuestion, before.labelQuestion);
  EXPECT_TRUE(f.dialogs.shown.empty());
  EXPECT_TRUE(f.desktop.addresses.empty());
}

// Chapter 1 question "P5" is a paraglider question, "A" has no wing.
TEST(WingHover, CrossedOutOverTheWingAndBackOnlyOnceTheMouseLeftIt) {
  ModelHarness h;
  h.start(1, 5);
  ASSERT_EQ(h.controls().wingMark, 'P');

  EXPECT_TRUE(h.model.mouseOverWing());
  EXPECT_TRUE(h.controls().wingCrossed);
  EXPECT_FALSE(h.model.mouseOverWing());

  h.queueQuestion(1, 5);  // passing brings the normal picture of the next question
  h.model.wingClick();
  EXPECT_FALSE(h.controls().wingCrossed);
  EXPECT_FALSE(h.model.mouseOverWing());  // not again until the mouse has been elsewhere
  EXPECT_FALSE(h.controls().wingCrossed);

  EXPECT_TRUE(h.model.mouseOverWindow());
  EXPECT_FALSE(h.model.mouseOverWindow());
  EXPECT_TRUE(h.model.mouseOverWing());
  EXPECT_TRUE(h.controls().wingCrossed);
  EXPECT_TRUE(h.model.mouseOverWindow());
  EXPECT_FALSE(h.controls().wingCrossed);
}

TEST(WingHover, AQuestionWithoutWingIgnoresTheMouse) {
  ModelHarness h;
  h.start(1, 1);
  ASSERT_EQ(h.controls().wingMark, 0);
  EXPECT_FALSE(h.model.mouseOverWing());
  EXPECT_FALSE(h.model.mouseOverWindow());
  EXPECT_FALSE(h.controls().wingCrossed);
}

}  // namespace
}  // namespace ventelle
