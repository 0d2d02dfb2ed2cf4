#include <gtest/gtest.h>

#include <set>

#include "fakes/model_on_folder.h"
#include "ui/help/links.h"

namespace ventelle {
namespace {

using Names = std::set<std::string>;

Names checkedItems(const MenuBar& bar) {
  Names names;
  for (const auto& entry : bar.order())
    if (bar.at(entry.name).checked) names.insert(entry.name);
  return names;
}

// Names unique, each item after its parent, and the marks the window opens with.
TEST(MenuBar, StandsWithUniqueItemsUnderTheirParentsAndTheDefaultMarks) {
  ModelOnFolder f;
  const MenuBar& bar = f.model.controls().menus;
  Names seen{""}, disabled;
  for (const auto& entry : bar.order()) {
    EXPECT_TRUE(seen.contains(entry.parent) && seen.insert(entry.name).second && bar.at(entry.name).visible)
        << entry.name;
    if (!bar.at(entry.name).enabled) disabled.insert(entry.name);
  }
  EXPECT_EQ(seen.size(), 87u);  // 86 items and the bar
  EXPECT_EQ(disabled, (Names{"mnuImprimeQuestionnaire", "mnuImprimeCorrige"}));
  Names checked{"mnuTChap", "mnurepose8", "mnuEvaluation", "mnuCompletRE1", "mnuCompletRE2", "mnuConforme"};
  EXPECT_EQ(checkedItems(bar), checked);
  f.model.start();  // the shipped profile: pilot brevet, lower levels included
  checked.insert({"mnuPPilote", "mnuInclure"});
  EXPECT_EQ(checkedItems(f.model.controls().menus), checked);
  EXPECT_EQ(shownCaption(literalCaption("A & B && C") + "&D&"), "A & B && CD");
}

// A link item opens its address of the links file, read at each click; an
// address that is no web page is refused, a failed browser or editor told.
TEST(MenuBar, LinkItemsOpenTheAddressOfTheLinksFile) {
  ModelOnFolder f;
  f.model.start();
  f.folder.write("Liens.dat", "mnuVAV=\nmnuAZ=file:///etc/passwd\nmnuRadio=https://club.example/radio\n");
  for (const char* item : {"mnuVAV", "mnuAZ", "mnuRadio"}) f.model.menuCommand(item);
  EXPECT_EQ(f.desktop.addresses, std::vector<std::string>{"https://club.example/radio"});
  f.desktop.handlersStart = false;
  f.model.menuCommand("mnuRadio");
  std::vector<std::string> told;
  for (const auto& shown : f.dialogs.shown) told.push_back(shown.text);
  EXPECT_EQ(told, (std::vector<std::string>{
      "L'adresse file:///etc/passwd du fichier Liens.dat n'est ni une page web (http, https) ni une adresse de "
      "messagerie : Ventelle ne l'ouvre pas.",
      "Aucun navigateur n'a pu être lancé pour ouvrir l'adresse https://club.example/radio."}));
}

}  // namespace
}  // namespace ventelle
