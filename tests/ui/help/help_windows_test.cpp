// The help windows as the user meets them: the index and its pages, the
// links and the lexicon.
#include <gtest/gtest.h>

#include "ui/help/help_desk.h"
#include "ui/help/links.h"
#include "ui/model_harness.h"

namespace ventelle {
namespace {

constexpr WindowPlace kCentre{(19200 - kHelpWindowWidth) / 2, (15360 - kHelpWindowHeight) / 2, kHelpWindowWidth,
                              kHelpWindowHeight};  // on 1280 by 1024 pixels

struct Desk {
  Desk() {
    desk.setScreenSize(19200, 15360);
    desk.menuCommand("mnuIndex");
    desk.activated(ActiveWindow::Index);
  }
  TempFolder folder;
  ProgramFolder programFolder{folder.path()};
  PlannedRandom random;
  RecordingDesktop desktop;
  RecordingDialogs dialogs;
  HelpDesk desk{programFolder, random, desktop, dialogs};
};

// Page links open their page as a new window; web links the address the
// links file gives when the page opens, an empty or absent one leaving text.
TEST(HelpPages, LinksOpenTheirPageOrTheAddressOfTheLinksFile) {
  Desk d;
  d.folder.write("aide/FrmVersion.txt", "La {web:ffvl|FFVL}, la {web:dgac|DGAC}, {web:x|un club} et {FrmJeu|le jeu}.");
  d.folder.write("Liens.dat", "; adresses\nffvl = https://federation.ffvl.fr/\ndgac=\nffvl=https://autre.example/\n");
  d.desk.indexEntryClick(1);
  d.desk.activated(ActiveWindow::Page);
  ASSERT_EQ(std::get<TextPage>(d.desk.page()->content).links().size(), 2u);
  d.desk.linkClick(HelpWindowId::Page, 0);
  EXPECT_EQ(d.desktop.addresses, std::vector<std::string>{"https://federation.ffvl.fr/"});
  const int opening = d.desk.page()->opening;
  d.desk.linkClick(HelpWindowId::Page, 1);
  d.desk.activated(ActiveWindow::Other);  // between the old window's end and the new one's activation
  d.desk.activated(ActiveWindow::Page);
  EXPECT_EQ(d.desk.page()->entry->name, "FrmJeu");
  EXPECT_NE(d.desk.page()->opening, opening);
  EXPECT_EQ(d.desk.page()->place, kCentre);
}

TEST(HelpLinks, OnlyAWebPageOrAMailWithSomethingAfterItsSchemeAndNoBlankIsOpenable) {
  for (const char* address : {"http://exemple.fr", "HTTPS://EXEMPLE.FR/", "mailto:club@exemple.fr?subject=a%20b"})
    EXPECT_TRUE(isOpenableAddress(address)) << address;
  for (const char* address : {"", "https://", "mailto:", "https:exemple.fr", "file:///etc/passwd", "/usr/bin/xterm",
                              "javascript:alert(1)", "-https://exemple.fr", "https://a.fr/a b", "https://a.fr/\tb"})
    EXPECT_FALSE(isOpenableAddress(address)) << address;
  EXPECT_EQ(contactAddress("MAILTO:a@exemple.fr?cc=b@exemple.fr", "é&?=#+ a-b_c.d~"),
            "MAILTO:a@exemple.fr?cc=b@exemple.fr&subject=%C3%A9%26%3F%3D%23%2B%20a-b_c.d~");
  EXPECT_EQ(contactAddress("https://club.example/contact", "sujet"), "https://club.example/contact");
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
  const auto lexicon = [&desk] { return std::get<LexiconWindow>(desk.page()->content); };
  h.model.lexiconClipClick();
  EXPECT_EQ(lexicon().terms(), (std::vector<std::string>{"Ascendance", "Point de\u00A0rosée", "point de rosée",
                                                         "Ascendance"}));
  EXPECT_EQ(std::pair(lexicon().selected(), lexicon().definition()),
            std::pair(std::optional<std::size_t>(1), std::string("Saturation.")));
  desk.lexiconEntryClick(3);
  EXPECT_EQ(lexicon().definition(), "Vers le haut.");
  desk.openLexicon("Plafond");
  EXPECT_FALSE(lexicon().selected());
}

}  // namespace
}  // namespace ventelle
