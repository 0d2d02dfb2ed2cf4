// The help windows as the user meets them: the index and its pages, the
// links and the lexicon.
#include <gtest/gtest.h>

#include <set>

#include "core/record_reader.h"
#include "ui/help/help_desk.h"
#include "ui/help/links.h"
#include "ui/model_harness.h"

namespace ventelle {
namespace {

constexpr int kScreenWidth = 19200, kScreenHeight = 15360;  // 1280 by 1024 pixels
constexpr WindowPlace kCentre{(kScreenWidth - kHelpWindowWidth) / 2, (kScreenHeight - kHelpWindowHeight) / 2,
                              kHelpWindowWidth, kHelpWindowHeight};

struct Desk {
  Desk() { desk.setScreenSize(kScreenWidth, kScreenHeight); }
  std::string pageName() const { return desk.page() ? desk.page()->entry->name : ""; }
  void openEntry(int i) {  // from the menu, the page becoming active
    desk.menuCommand("mnuIndex");
    desk.activated(ActiveWindow::Index);
    desk.indexEntryClick(i);
    desk.activated(ActiveWindow::Page);
  }
  TempFolder folder;
  ProgramFolder programFolder{folder.path()};
  PlannedRandom random;
  RecordingDesktop desktop;
  RecordingDialogs dialogs;
  HelpDesk desk{programFolder, random, desktop, dialogs};
};

TEST(HelpIndex, EveryEntryOpensItsOwnPageInThePlaceOfTheIndex) {
  std::set<std::string> names;
  for (int i = 0; i <= kIndexEntries + 1; ++i) {
    Desk d;
    d.desk.menuCommand("mnuIndex");
    EXPECT_EQ(d.desk.index()->place, kCentre);
    d.desk.activated(ActiveWindow::Index);
    d.desk.indexEntryClick(i);
    EXPECT_TRUE(d.desk.index());  // until the page is the active window
    d.desk.activated(ActiveWindow::Page);
    EXPECT_EQ(d.desk.index().has_value(), i < 1 || i > kIndexEntries) << i;
    if (!d.desk.page()) continue;
    EXPECT_EQ(d.desk.page()->place, kCentre);
    names.insert(d.pageName());
    d.desk.indexButtonClick();
    EXPECT_TRUE(d.desk.index() && !d.desk.page());
  }
  EXPECT_EQ(names.size(), static_cast<std::size_t>(kIndexEntries));
}

// A window closes when another window of the program takes the activation
// from it, not when another program or its own message box does.
TEST(HelpDeactivation, ClosesOnAnotherWindowOfTheProgramOnly) {
  Desk d;
  d.folder.write("Liens.dat", "para2000=https://para2000.example/\n");
  d.openEntry(9);
  d.desk.activated(ActiveWindow::None);  // the browser a link opened
  d.desk.activated(ActiveWindow::Page);
  struct ActivatingDialogs : RecordingDialogs {
    void message(MessageIcon icon, const std::string& title, const std::string& text) override {
      RecordingDialogs::message(icon, title, text);
      desk->activated(ActiveWindow::Other);
    }
    HelpDesk* desk = nullptr;
  } box;
  box.desk = &d.desk;
  d.desk.setDialogs(box);
  d.desktop.handlersStart = false;
  d.desk.linkClick(HelpWindowId::Page, 0);
  d.desk.activated(ActiveWindow::Page);
  EXPECT_EQ(box.shown.size(), 1u);
  EXPECT_EQ(d.pageName(), "FrmLiens");
  d.desk.activated(ActiveWindow::Other);  // a click into the main window
  EXPECT_FALSE(d.desk.page());
}

// Page links open their page as a new window; web links the address the
// links file gives when the page opens, an empty or absent one leaving text.
TEST(HelpPages, LinksOpenTheirPageOrTheAddressOfTheLinksFile) {
  Desk d;
  d.folder.write("aide/FrmVersion.txt", "La {web:ffvl|FFVL}, la {web:dgac|DGAC}, {web:x|un club} et {FrmJeu|le jeu}.");
  d.folder.write("Liens.dat", "; adresses\nffvl = https://federation.ffvl.fr/\ndgac=\nffvl=https://autre.example/\n");
  d.openEntry(1);
  ASSERT_EQ(std::get<TextPage>(d.desk.page()->content).links().size(), 2u);
  d.desk.linkClick(HelpWindowId::Page, 0);
  EXPECT_EQ(d.desktop.addresses, std::vector<std::string>{"https://federation.ffvl.fr/"});
  const int opening = d.desk.page()->opening;
  d.desk.linkClick(HelpWindowId::Page, 1);
  d.desk.activated(ActiveWindow::Other);  // between the old window's end and the new one's activation
  d.desk.activated(ActiveWindow::Page);
  EXPECT_EQ(d.pageName(), "FrmJeu");
  EXPECT_NE(d.desk.page()->opening, opening);
}

TEST(HelpLinks, OnlyAWebPageOrAMailWithSomethingAfterItsSchemeAndNoBlankIsOpenable) {
  for (const char* address : {"http://exemple.fr", "HTTPS://EXEMPLE.FR/", "mailto:club@exemple.fr?subject=a%20b",
                              "https://fr.wikipedia.org/wiki/Aérologie"})
    EXPECT_TRUE(isOpenableAddress(address)) << address;
  for (const char* address : {"", "https://", "mailto:", "https:exemple.fr", "file:///etc/passwd", "/usr/bin/xterm",
                              "javascript:alert(1)", "ftp://exemple.fr/", "-https://exemple.fr", "https://a.fr/a b",
                              "https://a.fr/\tb"})
    EXPECT_FALSE(isOpenableAddress(address)) << address;
  EXPECT_EQ(contactAddress("MAILTO:a@exemple.fr?cc=b@exemple.fr", "é&?=#+ a-b_c.d~"),
            "MAILTO:a@exemple.fr?cc=b@exemple.fr&subject=%C3%A9%26%3F%3D%23%2B%20a-b_c.d~");
  EXPECT_EQ(contactAddress("https://club.example/contact", "sujet"), "https://club.example/contact");
}

// A misspelt key would silently leave a link without its address.
TEST(HelpLinks, TheShippedLinksFileHoldsEveryKeyTheProgramUsesAndOnlyWebPages) {
  const ProgramFolder shipped(VENTELLE_DATA_DIR);
  std::set<std::string> used{AboutWindow(shipped).web().target.key};
  const MenuBar bar = initialMenuBar();
  const LinksPage linksPage(shipped);
  for (const auto& entry : bar.order())
    if (isLinkItem(entry.name)) used.insert(entry.name);
  for (const auto& link : linksPage.links()) used.insert(link.target.key);
  for (const auto& page : helpPages())
    if (page.kind == PageKind::Text) {
      const HelpBody body = readHelpBody(readTextFile(shipped.resolve(page.bodyFile())).value());
      for (const auto& link : body.links)
        if (link.target.kind == LinkTarget::Kind::Web) used.insert(link.target.key);
    }
  std::set<std::string> listed;
  const TextLines lines = readTextFile(shipped.resolve("Liens.dat")).value();
  RecordReader reader(lines);
  while (reader.nextLine()) {
    EXPECT_TRUE(listed.insert(reader.item()).second) << reader.item() << " twice";
    EXPECT_TRUE(reader.data().empty() || reader.data().starts_with("https://")) << reader.item();
  }
  EXPECT_EQ(listed, used);
}

// Chapter 2's first question names a term in its comment; the lexicon's
// search counts a no-break space as a blank, and a click shows a term's first line.
TEST(HelpLexicon, ThePaperclipOpensTheLexiconOnTheWordOfTheQuestion) {
  ModelHarness h;
  h.folder.write("Lexique.dat", "; Lexique\nAscendance=Vers le haut.\nPoint de\u00A0rosée=Saturation.\n"
                                "point de rosée=minuscule\nLigne sans terme\nAscendance=Seconde.\n\n; fin\n");
  h.setComment(2, 1, "Lex:«Point\u00A0de rosée»");
  h.start(2, 1);
  h.mark({"Oui"});
  HelpDesk& desk = h.model.helpDesk();
  for (int click = 1; click <= 2; ++click) {
    h.model.lexiconClipClick();
    const auto& lexicon = std::get<LexiconWindow>(desk.page()->content);
    EXPECT_EQ(lexicon.terms(), (std::vector<std::string>{"Ascendance", "Point de\u00A0rosée", "point de rosée",
                                                         "Ascendance"}));
    EXPECT_EQ(lexicon.selected(), 1u);
    EXPECT_EQ(lexicon.definition(), "Saturation.");
    desk.activated(ActiveWindow::Page);
    desk.quitClick(HelpWindowId::Page);
  }
  desk.openLexicon("Plafond");
  EXPECT_FALSE(std::get<LexiconWindow>(desk.page()->content).selected());
  desk.lexiconEntryClick(3);
  EXPECT_EQ(std::get<LexiconWindow>(desk.page()->content).definition(), "Vers le haut.");
}

}  // namespace
}  // namespace ventelle
