// The help windows as the user meets them: the index and its pages, the
// lexicon, the tips, the links and the about window.
#include <gtest/gtest.h>

#include <set>

#include "core/record_reader.h"
#include "fakes/planned_random.h"
#include "fakes/recording_desktop.h"
#include "fakes/recording_dialogs.h"
#include "fakes/temp_folder.h"
#include "ui/help/help_desk.h"
#include "ui/help/links.h"
#include "ui/model_harness.h"
#include "ui/window/expected_menus.h"

namespace ventelle {
namespace {

constexpr int kScreenWidth = 19200;  // 1280 by 1024 pixels
constexpr int kScreenHeight = 15360;
constexpr WindowPlace kCentre{(kScreenWidth - kHelpWindowWidth) / 2, (kScreenHeight - kHelpWindowHeight) / 2,
                              kHelpWindowWidth, kHelpWindowHeight};

struct Desk {
  Desk() { desk.setScreenSize(kScreenWidth, kScreenHeight); }

  std::string pageName() const { return desk.page() ? desk.page()->entry->name : ""; }
  template <typename T>
  const T& content() const {
    const T* shown = std::get_if<T>(&desk.page()->content);
    if (!shown) ADD_FAILURE() << "the page open is " << pageName();
    return *shown;
  }
  // The index from the menu, then entry i, the page becoming active.
  void openEntry(int i) {
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

TEST(HelpIndex, ListsItsSixteenEntriesEachOpeningItsPageUnderItsHeading) {
  const struct {
    const char* caption;
    const char* page;
    const char* heading;
  } entries[] = {
      {"Versions", "FrmVersion", "Versions"},
      {"Décompte des points (FFVL)", "FrmPoints", "Décompte des points (FFVL)"},
      {"Evaluation", "FrmEvaluation", "Evaluation"},
      {"Messages de Réussite et d'Echec", "FrmBravo", "Messages de Réussite / Echec"},
      {"Gestion des Utilisateurs", "FrmGUtilisateur", "Gestion des Utilisateurs"},
      {"Jeu de l'Oie", "FrmJeu", "Jeu de l'Oie"},
      {"Options diverses", "FrmDivers", "Divers"},
      {"Décompte des points (DGAC)", "FrmPointsdgac", "Décompte des points (DGAC)"},
      {"Sites proposant Ventelle", "FrmLiens", "Supporters !"},
      {"Lexique", "FrmLexique", "Lexique"},
      {"Tirage au sort des questions", "FrmTirage", "Tirage au sort des questions"},
      {"Impressions", "FrmImprimer", "Imprimer"},
      {"Notation Continue/QCM Complet", "FrmContinue", "Notation Continue"},
      {"Astuces", "FrmTip", "Astuce"},
      {"Chapitres / état des erreurs", "FrmChapitre", "Chapitres / état des erreurs"},
      {"Personnaliser Ventelle", "FrmPersonnaliser", "Personnaliser Ventelle"},
  };
  ASSERT_EQ(helpPages().size(), std::size(entries));
  for (int i = 1; i <= kIndexEntries; ++i) {
    const auto& want = entries[i - 1];
    SCOPED_TRACE(want.page);
    Desk d;
    EXPECT_EQ(helpPages()[i - 1].indexCaption, want.caption);
    d.openEntry(i);
    EXPECT_EQ(d.pageName(), want.page);
    EXPECT_EQ(d.desk.page()->entry->heading(), want.heading);
    if (const auto* text = std::get_if<TextPage>(&d.desk.page()->content)) {
      EXPECT_EQ(text->heading(), want.heading);
    }
  }
}

TEST(HelpIndex, OpensCentredAndItsPageTakesItsPlaceThenCloseOnceThePageIsActive) {
  Desk d;
  EXPECT_TRUE(d.desk.menuCommand("mnuIndex"));
  ASSERT_TRUE(d.desk.index());
  EXPECT_EQ(d.desk.index()->place, kCentre);
  d.desk.activated(ActiveWindow::Index);

  d.desk.indexEntryClick(3);
  ASSERT_TRUE(d.desk.page());
  EXPECT_EQ(d.desk.page()->place, kCentre);
  EXPECT_TRUE(d.desk.index());  // until the page is the active window
  d.desk.activated(ActiveWindow::Page);
  EXPECT_FALSE(d.desk.index());
  EXPECT_EQ(d.pageName(), "FrmEvaluation");
}

TEST(HelpIndex, AnEntryOutsideOneToSixteenDoesNothing) {
  Desk d;
  d.desk.menuCommand("mnuIndex");
  for (const int entry : {0, 17, -1}) d.desk.indexEntryClick(entry);
  EXPECT_FALSE(d.desk.page());
  EXPECT_TRUE(d.desk.index());
}

TEST(HelpIndex, IndexOnEveryPageBringsTheIndexBackCentredAndClosesThePage) {
  for (int i = 1; i <= kIndexEntries; ++i) {
    SCOPED_TRACE(i);
    Desk d;
    d.openEntry(i);
    d.desk.setScreenSize(kScreenWidth / 2, kScreenHeight / 2);  // the screen changed meanwhile
    d.desk.indexButtonClick();
    EXPECT_FALSE(d.desk.page());
    ASSERT_TRUE(d.desk.index());
    EXPECT_EQ(d.desk.index()->place.left, (kScreenWidth / 2 - kHelpWindowWidth) / 2);
    EXPECT_EQ(d.desk.index()->place.top, (kScreenHeight / 2 - kHelpWindowHeight) / 2);
  }
}

TEST(HelpIndex, QuitterClosesItsWindowOnly) {
  Desk d;
  d.desk.menuCommand("mnuIndex");
  d.desk.quitClick(HelpWindowId::Index);
  EXPECT_FALSE(d.desk.anyOpen());

  d.openEntry(6);
  d.desk.menuCommand("mnuApropos");
  d.desk.quitClick(HelpWindowId::Page);
  EXPECT_FALSE(d.desk.page());
  EXPECT_TRUE(d.desk.about());
}

// A window closes when another window of the program takes the activation
// from it, not when another program does.
TEST(HelpDeactivation, ClosesOnAnotherWindowOfTheProgramOnly) {
  Desk d;
  d.openEntry(1);
  d.desk.activated(ActiveWindow::None);  // the browser a link opened
  d.desk.activated(ActiveWindow::Page);  // back from it
  EXPECT_TRUE(d.desk.page());
  d.desk.activated(ActiveWindow::None);
  d.desk.activated(ActiveWindow::Other);  // then a click into the main window
  EXPECT_FALSE(d.desk.page());

  d.desk.menuCommand("mnuApropos");
  d.desk.activated(ActiveWindow::About);
  d.desk.activated(ActiveWindow::Other);
  EXPECT_FALSE(d.desk.about());
}

TEST(HelpDeactivation, AMessageBoxOfThePageOwnEventClosesNothing) {
  Desk d;
  d.folder.write("Liens.dat", "para2000=https://para2000.example/\n");
  d.desktop.handlersStart = false;
  d.openEntry(9);
  // The message box takes the activation while the click is under way.
  struct ActivatingDialogs : RecordingDialogs {
    void message(MessageIcon icon, const std::string& title, const std::string& text) override {
      RecordingDialogs::message(icon, title, text);
      desk->activated(ActiveWindow::Other);
    }
    HelpDesk* desk = nullptr;
  } box;
  box.desk = &d.desk;
  d.desk.setDialogs(box);
  d.desk.linkClick(HelpWindowId::Page, 0);
  d.desk.activated(ActiveWindow::Page);
  EXPECT_EQ(box.shown.size(), 1u);
  EXPECT_EQ(d.pageName(), "FrmLiens");
}

TEST(HelpDeactivation, AWindowNeverActiveYetStaysWhenTheMainWindowTakesTheActivationBack) {
  Desk d;
  d.desk.activated(ActiveWindow::Other);
  d.desk.menuCommand("mnuLexique");
  d.desk.activated(ActiveWindow::Other);  // late, from the menu that closed
  d.desk.activated(ActiveWindow::Index);  // the index shows before the page
  ASSERT_TRUE(d.desk.page());
  d.desk.activated(ActiveWindow::Page);
  EXPECT_FALSE(d.desk.index());
  EXPECT_EQ(d.pageName(), "FrmLexique");
}

TEST(HelpDeactivation, TheIndexActivatedAfterItsPageClosedNothing) {
  Desk d;
  d.desk.menuCommand("mnuAstuces");
  d.desk.activated(ActiveWindow::Page);
  EXPECT_FALSE(d.desk.index());
  d.desk.activated(ActiveWindow::Index);  // late, once closed
  EXPECT_EQ(d.pageName(), "FrmTip");
}

TEST(HelpDeactivation, APageReplacedByItsLinkIsNotClosedWithTheOldOne) {
  Desk d;
  d.folder.write("aide/FrmContinue.txt", "Voir {FrmEvaluation|Evaluation}.");
  d.openEntry(13);
  d.desk.linkClick(HelpWindowId::Page, 0);
  d.desk.activated(ActiveWindow::Other);  // between the old window's end and the new one's activation
  d.desk.activated(ActiveWindow::Page);
  EXPECT_EQ(d.pageName(), "FrmEvaluation");
}

TEST(HelpPages, InTextLinksOpenTheirPageInPlaceOfTheirOwn) {
  const struct {
    const char* page;
    int entry;
    const char* file;
    std::vector<std::pair<std::string, std::string>> links;  // caption, page opened
  } pages[] = {
      {"FrmContinue", 13,
       "En notation continue, chaque question est notée par le bouton {FrmEvaluation|Evaluation}.\n\n"
       "Le menu Impression permet de {FrmImprimer|générer et imprimer des questionnaires et des grilles de réponse}.",
       {{"Evaluation", "FrmEvaluation"},
        {"générer et imprimer des questionnaires et des grilles de réponse", "FrmImprimer"}}},
      {"FrmPersonnaliser", 16, "Créez un {FrmGUtilisateur|Utilisateur Personnalisé}.",
       {{"Utilisateur Personnalisé", "FrmGUtilisateur"}}},
  };
  for (const auto& page : pages) {
    for (std::size_t k = 0; k < page.links.size(); ++k) {
      SCOPED_TRACE(page.links[k].first);
      Desk d;
      d.folder.write(std::string("aide/") + page.page + ".txt", page.file);
      d.openEntry(page.entry);
      const auto& links = d.content<TextPage>().links();
      ASSERT_EQ(links.size(), page.links.size());
      EXPECT_EQ(links[k].caption, page.links[k].first);
      const int opening = d.desk.page()->opening;

      d.desk.linkClick(HelpWindowId::Page, static_cast<int>(k));
      EXPECT_EQ(d.pageName(), page.links[k].second);
      EXPECT_NE(d.desk.page()->opening, opening);  // a new window
      EXPECT_EQ(d.desk.page()->place, kCentre);
      EXPECT_FALSE(d.desk.index());
    }
  }
}

TEST(HelpPages, WebLinksOpenTheAddressOfTheLinksFileReadWhenThePageOpens) {
  Desk d;
  d.folder.write("aide/FrmVersion.txt", "La {web:ffvl|FFVL}, la {web:dgac|DGAC} et {web:inconnu|un club}.");
  // The first line of a key counts.
  d.folder.write("Liens.dat", "; adresses\nffvl = https://federation.ffvl.fr/\ndgac=\nffvl=https://autre.example/\n");
  d.openEntry(1);
  const auto& page = d.content<TextPage>();
  ASSERT_EQ(page.links().size(), 1u);  // an empty or absent address leaves plain text
  EXPECT_EQ(page.paragraphs()[0][0].runs.back(), (TextRun{", la DGAC et un club.", std::nullopt}));
  d.desk.linkClick(HelpWindowId::Page, 0);
  EXPECT_EQ(d.desktop.addresses, std::vector<std::string>{"https://federation.ffvl.fr/"});

  // The file is read again at every opening.
  d.folder.write("Liens.dat", "ffvl=https://ffvl.example/\ndgac=https://dgac.example/\n");
  d.desk.indexButtonClick();
  d.desk.indexEntryClick(1);
  d.desk.linkClick(HelpWindowId::Page, 1);
  EXPECT_EQ(d.desktop.addresses.back(), "https://dgac.example/");

  d.desktop.handlersStart = false;
  d.desk.linkClick(HelpWindowId::Page, 0);
  ASSERT_EQ(d.dialogs.shown.size(), 1u);
  EXPECT_EQ(d.dialogs.shown[0].text,
            "Aucun navigateur n'a pu être lancé pour ouvrir l'adresse https://ffvl.example/.");
  EXPECT_EQ(d.pageName(), "FrmVersion");  // a web link leaves its page open
}

TEST(HelpLinks, TheMouseTurnsALinkBlueAndTheOthersBackToDarkGreen) {
  Desk d;
  d.folder.write("Liens.dat", "para2000=https://a.example/\nsourceforge=https://b.example/\nairanx=https://c.example/\n"
                              "ffvl=https://d.example/\ndgac=https://e.example/\nventelle=https://f.example/\n");
  d.openEntry(9);
  const auto colours = [&] {
    std::vector<Colour> all;
    for (const auto& link : d.content<LinksPage>().links()) all.push_back(link.colour);
    return all;
  };
  const Colour green = 0x008000;  // red 0, green 128, blue 0, as 0x00BBGGRR
  const Colour blue = 0xFF0000;   // red 0, green 0, blue 255
  EXPECT_EQ(colours(), std::vector<Colour>(kSiteLinks, green));
  d.desk.mouseOverLink(HelpWindowId::Page, 13);
  d.desk.mouseOverLink(HelpWindowId::Page, 14);  // the last link
  std::vector<Colour> want(kSiteLinks, green);
  want[14] = blue;
  EXPECT_EQ(colours(), want);
  d.desk.mouseOverLink(HelpWindowId::Page, 1);  // plain text: no link lights
  EXPECT_EQ(colours(), std::vector<Colour>(kSiteLinks, green));
  d.desk.mouseOverLink(HelpWindowId::Page, 0);
  d.desk.mouseOverBackground(HelpWindowId::Page);
  EXPECT_EQ(colours(), std::vector<Colour>(kSiteLinks, green));

  d.folder.write("aide/FrmVersion.txt", "{web:ffvl|FFVL} et {web:dgac|DGAC}");
  d.desk.indexButtonClick();
  d.desk.indexEntryClick(1);
  d.desk.mouseOverLink(HelpWindowId::Page, 1);
  EXPECT_EQ(d.content<TextPage>().links()[1].colour, blue);
  d.desk.mouseOverBackground(HelpWindowId::Page);  // over a text label
  EXPECT_EQ(d.content<TextPage>().links()[1].colour, green);

  d.desk.menuCommand("mnuApropos");
  d.desk.mouseOverLink(HelpWindowId::About, 0);
  EXPECT_EQ(d.desk.about()->content.web().colour, blue);
  d.desk.mouseOverBackground(HelpWindowId::About);
  EXPECT_EQ(d.desk.about()->content.web().colour, green);
}

TEST(HelpLinks, ShowsItsFifteenSitesAndOpensOnlyWebAndMailAddresses) {
  Desk d;
  d.folder.write("Liens.dat",
                 "para2000=https://para2000.example/\n"
                 "liguereunion=file:///etc/passwd\n"
                 "parapangue=\n"
                 "courriel=mailto:club@exemple.fr\n"
                 "asvlr=/usr/bin/xterm\n"
                 "airanx=HTTP://airanx.example/\n");
  d.openEntry(9);
  const auto& links = d.content<LinksPage>().links();
  ASSERT_EQ(links.size(), static_cast<std::size_t>(kSiteLinks));
  const std::pair<int, const char*> fixed[] = {
      {0, "Para 2000 (Liens FFVL)"},        {1, "Ligue de Vol Libre de la Réunion"},
      {2, "Club Parapangue (Réunion)"},     {3, "Ecole Azurtech (Réunion)"},
      {5, "Ecole Cumulus (Gerardmer)"},     {6, "contactez moi !"},
      {9, "Club Les Dodos Volants (Réunion)"}, {10, "Association APPULMA"},
      {11, "Club ASVLR (Réunion)"},         {12, "Constructeur Bio Air Technologie (Bionic)"},
      {14, "Ecole Airanx (Réunion)"},
  };
  for (const auto& [i, caption] : fixed) EXPECT_EQ(links[i].caption, caption);
  EXPECT_TRUE(links[4].caption.ends_with(" : Météo Parapente (Réunion)"));

  const auto refused = [](const std::string& address) {
    return "L'adresse " + address +
           " du fichier Liens.dat n'est ni une page web (http, https) ni une adresse de messagerie :"
           " Ventelle ne l'ouvre pas.";
  };
  const struct {
    int link;
    bool live;
    const char* opened;   // what reaches the desktop, if anything
    std::string message;  // what the user is told, if anything
  } clicks[] = {
      {0, true, "https://para2000.example/", ""},
      {1, true, nullptr, refused("file:///etc/passwd")},
      {2, false, nullptr, ""},  // empty: plain text, a click says nothing
      {3, false, nullptr, ""},  // absent from the file
      {6, true, "mailto:club@exemple.fr?subject=demande%20de%20lien%20Ventelle", ""},
      {11, true, nullptr, refused("/usr/bin/xterm")},
      {14, true, "HTTP://airanx.example/", ""},
  };
  for (const auto& click : clicks) {
    SCOPED_TRACE(links[click.link].caption);
    d.desktop.addresses.clear();
    d.dialogs.shown.clear();
    EXPECT_EQ(links[click.link].live(), click.live);
    d.desk.linkClick(HelpWindowId::Page, click.link);
    EXPECT_EQ(d.desktop.addresses, click.opened ? std::vector<std::string>{click.opened} : std::vector<std::string>{});
    ASSERT_EQ(d.dialogs.shown.size(), click.message.empty() ? 0u : 1u);
    if (!click.message.empty()) {
      EXPECT_EQ(d.dialogs.shown[0].title, "Attention !");
      EXPECT_EQ(d.dialogs.shown[0].text, click.message);
    }
  }
  d.desktop.handlersStart = false;
  d.desk.linkClick(HelpWindowId::Page, LinksPage::contactLink());
  ASSERT_EQ(d.dialogs.shown.size(), 1u);
  EXPECT_EQ(d.dialogs.shown[0].text,
            "Aucune messagerie n'a pu être lancée pour écrire à l'adresse club@exemple.fr.");
}

TEST(HelpLinks, OnlyAWebPageOrAMailWithSomethingAfterItsSchemeAndNoBlankIsOpenable) {
  const std::pair<const char*, bool> addresses[] = {
      {"https://federation.ffvl.fr/", true},
      {"http://exemple.fr", true},
      {"HTTPS://EXEMPLE.FR/", true},
      {"mailto:club@exemple.fr?subject=a%20b", true},
      {"https://fr.wikipedia.org/wiki/Aérologie", true},
      {"", false},
      {"https://", false},
      {"mailto:", false},
      {"https:exemple.fr", false},
      {"file:///etc/passwd", false},
      {"/usr/bin/xterm", false},
      {"xterm", false},
      {"javascript:alert(1)", false},
      {"ftp://exemple.fr/", false},
      {"smb://serveur/partage", false},
      {"-https://exemple.fr", false},
      {"https://exemple.fr/a b", false},
      {"https://exemple.fr/\tb", false},
  };
  for (const auto& [address, openable] : addresses) EXPECT_EQ(isOpenableAddress(address), openable) << address;
}

TEST(HelpLinks, TheContactLinkGivesAMailItsEncodedSubject) {
  const std::string subject = "demande de lien Ventelle";
  const std::pair<const char*, const char*> addresses[] = {
      {"mailto:auteur@exemple.fr", "mailto:auteur@exemple.fr?subject=demande%20de%20lien%20Ventelle"},
      {"MAILTO:auteur@exemple.fr?cc=b@exemple.fr",
       "MAILTO:auteur@exemple.fr?cc=b@exemple.fr&subject=demande%20de%20lien%20Ventelle"},
      {"https://club.example/contact", "https://club.example/contact"},
      {"", ""},
  };
  for (const auto& [address, opened] : addresses) EXPECT_EQ(contactAddress(address, subject), opened) << address;
  EXPECT_EQ(percentEncode("é&?=#+ a-b_c.d~"), "%C3%A9%26%3F%3D%23%2B%20a-b_c.d~");
}

TEST(HelpAbout, OpensCentredWithTheProgramPageAsItsLinkWhenItHasOne) {
  Desk d;
  EXPECT_TRUE(d.desk.menuCommand("mnuApropos"));
  ASSERT_TRUE(d.desk.about());
  EXPECT_EQ(d.desk.about()->place, (WindowPlace{(kScreenWidth - kAboutWidth) / 2, (kScreenHeight - kAboutHeight) / 2,
                                                 kAboutWidth, kAboutHeight}));
  EXPECT_FALSE(d.desk.index());
  EXPECT_EQ(d.desk.about()->content.web().caption, "");  // no placeholder
  EXPECT_FALSE(d.desk.about()->content.web().live());
  d.desk.linkClick(HelpWindowId::About, 0);
  EXPECT_TRUE(d.desktop.addresses.empty());
  EXPECT_TRUE(d.dialogs.shown.empty());
  d.desk.quitClick(HelpWindowId::About);
  EXPECT_FALSE(d.desk.anyOpen());

  d.folder.write("Liens.dat", "ventelle=https://ventelle.example/\n");
  d.desk.menuCommand("mnuApropos");
  EXPECT_EQ(d.desk.about()->content.web().caption, "https://ventelle.example/");
  d.desk.linkClick(HelpWindowId::About, 0);
  EXPECT_EQ(d.desktop.addresses, std::vector<std::string>{"https://ventelle.example/"});
}

// Every link the program shows has its line in the shipped links file, and
// every line there is one the program uses, so that a misspelt key cannot
// silently leave a link without its address.
TEST(HelpLinks, TheShippedLinksFileHoldsEveryKeyTheProgramUsesAndOnlyWebPages) {
  const ProgramFolder shipped(VENTELLE_DATA_DIR);
  std::set<std::string> used(expectedLinkItems().begin(), expectedLinkItems().end());
  const LinksPage linksPage(shipped);
  for (const auto& link : linksPage.links()) used.insert(link.target.key);
  used.insert(AboutWindow(shipped).web().target.key);
  for (const auto& page : helpPages()) {
    if (page.kind != PageKind::Text) continue;
    const auto lines = readTextFile(shipped.resolve(page.bodyFile()));
    ASSERT_TRUE(lines) << page.name;
    const auto body = readHelpBody(*lines);
    for (const auto& link : body.links)
      if (link.target.kind == LinkTarget::Kind::Web) used.insert(link.target.key);
  }

  const auto lines = readTextFile(shipped.resolve("Liens.dat"));
  ASSERT_TRUE(lines);
  std::set<std::string> listed;
  RecordReader reader(*lines);
  while (reader.nextLine()) {
    const std::string key = reader.item();
    const std::string address = reader.data();
    EXPECT_TRUE(listed.insert(key).second) << key << " twice";
    EXPECT_TRUE(address.empty() || address.starts_with("https://")) << key;
  }
  EXPECT_EQ(listed, used);
}


constexpr const char* kLexicon =
    "; Lexique\n"
    "Ascendance=Mouvement d'air vers le haut.\n"
    "Finesse=Distance parcourue pour une hauteur perdue.\n"
    "ascendance=minuscule\n"
    "Finesse=Seconde définition.\n"
    "Ligne sans terme\n"
    "\n"
    "; fin\n";

TEST(HelpLexicon, ListsItsTermsInFileOrderWithoutAPhantomLastEntry) {
  for (const char* end : {"", "\n", "; dernier commentaire\n", "   \n"}) {
    SCOPED_TRACE(end);
    Desk d;
    d.folder.write("Lexique.dat", std::string(kLexicon) + end);
    d.desk.menuCommand("mnuLexique");
    const auto& lexicon = d.content<LexiconWindow>();
    EXPECT_EQ(lexicon.terms(), (std::vector<std::string>{"Ascendance", "Finesse", "ascendance", "Finesse"}));
    EXPECT_FALSE(lexicon.selected());  // from the menu
    EXPECT_EQ(lexicon.term(), "");
  }
}

TEST(HelpLexicon, AClickShowsTheTermAndTheDefinitionOfItsFirstLine) {
  Desk d;
  d.folder.write("Lexique.dat", kLexicon);
  d.openEntry(10);
  for (const auto& [entry, term, definition] :
       {std::tuple<std::size_t, const char*, const char*>{3, "Finesse", "Distance parcourue pour une hauteur perdue."},
        {2, "ascendance", "minuscule"},
        {0, "Ascendance", "Mouvement d'air vers le haut."}}) {
    d.desk.lexiconEntryClick(entry);
    const auto& lexicon = d.content<LexiconWindow>();
    EXPECT_EQ(lexicon.selected(), entry);
    EXPECT_EQ(lexicon.term(), term);
    EXPECT_EQ(lexicon.definition(), definition);
  }
}

TEST(HelpLexicon, AMissingLexiconShowsANoticeAndAnEmptyList) {
  Desk d;
  d.desk.openLexicon("Finesse");
  const auto& lexicon = d.content<LexiconWindow>();
  EXPECT_TRUE(lexicon.terms().empty());
  EXPECT_FALSE(lexicon.selected());
  EXPECT_EQ(lexicon.definition(),
            "Le lexique est vide : le fichier Lexique.dat est absent ou ne contient aucun terme.");
  d.desk.lexiconEntryClick(0);
  EXPECT_FALSE(d.content<LexiconWindow>().selected());
}

// Chapter 2's first question names "Finesse" in its comment.
TEST(HelpLexicon, ThePaperclipOpensTheLexiconOnTheWordAtEveryClick) {
  ModelHarness h;
  h.folder.write("Lexique.dat", kLexicon);
  h.setComment(2, 1, "Lex:«Finesse»");
  h.start(2, 1);
  h.mark({"Oui"});
  for (int click = 1; click <= 3; ++click) {
    SCOPED_TRACE(click);
    h.model.lexiconClipClick();
    const HelpDesk& desk = h.model.helpDesk();
    ASSERT_TRUE(desk.index());
    ASSERT_TRUE(desk.page());
    const auto& lexicon = std::get<LexiconWindow>(desk.page()->content);
    EXPECT_EQ(lexicon.selected(), 1u);
    EXPECT_EQ(lexicon.definition(), "Distance parcourue pour une hauteur perdue.");
    h.model.helpDesk().activated(ActiveWindow::Page);
    h.model.helpDesk().quitClick(HelpWindowId::Page);
    h.model.helpDesk().activated(ActiveWindow::Other);
  }
  EXPECT_TRUE(h.dialogs.shown.empty());
}

TEST(HelpLexicon, AWordTheLexiconLacksSelectsNothing) {
  Desk d;
  d.folder.write("Lexique.dat", kLexicon);
  for (const char* word : {"Plafond", "finesse", ""}) {
    d.desk.openLexicon(word);
    EXPECT_FALSE(d.content<LexiconWindow>().selected()) << word;
  }
}

// The lexicon's search counts a no-break space as a blank; the file keeps it.
TEST(HelpLexicon, ANoBreakSpaceInTheWordOrTheTermCountsAsABlank) {
  Desk d;
  d.folder.write("Lexique.dat",
                 "Gradient de vent=Variation du vent avec la hauteur.\n"
                 "Point\u00A0de rosée=Température de saturation.\n"
                 "Vent\u00A0météo=Vent à grande échelle.\n"
                 "Vent météo=Doublon.\n");
  for (const auto& [word, entry, definition] :
       {std::tuple<const char*, std::size_t, const char*>{"Gradient\u00A0de vent", 0,
                                                          "Variation du vent avec la hauteur."},
        {"Point de rosée", 1, "Température de saturation."},
        {"Vent météo\u00A0", 2, "Vent à grande échelle."}}) {
    SCOPED_TRACE(word);
    d.desk.openLexicon(word);
    const auto& lexicon = d.content<LexiconWindow>();
    EXPECT_EQ(lexicon.selected(), entry);
    EXPECT_EQ(lexicon.definition(), definition);
  }
  d.desk.lexiconEntryClick(3);  // the same term as entry 2, written with a plain blank
  EXPECT_EQ(d.content<LexiconWindow>().term(), "Vent météo");
  EXPECT_EQ(d.content<LexiconWindow>().definition(), "Vent à grande échelle.");
  d.desk.openLexicon("\u00A0");
  EXPECT_FALSE(d.content<LexiconWindow>().selected());
}

TEST(HelpTips, EveryTipCanBeDrawnAndSuivantDrawsAnother) {
  Desk d;
  d.folder.write("Tip.txt", "; Astuces\nUn.\nDeux.\n\nTrois.");
  d.random.queueDraw(3, 3);
  d.desk.menuCommand("mnuAstuces");
  EXPECT_TRUE(d.desk.index());
  EXPECT_EQ(d.content<TipWindow>().tip(), "Trois.");  // the last tip too
  for (const auto& [r, tip] : {std::pair{1, "Un."}, {2, "Deux."}, {3, "Trois."}}) {
    d.random.queueDraw(r, 3);
    d.desk.nextTipClick();
    EXPECT_EQ(d.content<TipWindow>().tip(), tip);
  }
  EXPECT_EQ(d.random.pending(), 0u);
}

TEST(HelpTips, AMissingOrEmptyTipFileShowsANoticeAndTheWindowStillWorks) {
  for (const char* tips : {static_cast<const char*>(nullptr), "", "; rien\n\n"}) {
    SCOPED_TRACE(tips ? tips : "missing");
    Desk d;
    if (tips) d.folder.write("Tip.txt", tips);
    d.openEntry(14);
    EXPECT_EQ(d.content<TipWindow>().tip(),
              "Aucune astuce à afficher : le fichier Tip.txt est absent ou vide dans le dossier du programme.");
    d.desk.nextTipClick();
    d.desk.indexButtonClick();
    EXPECT_TRUE(d.desk.index());
  }
}

TEST(HelpMenu, TheHelpItemsOfTheMainWindowOpenTheirWindows) {
  const struct {
    const char* item;
    bool index;
    const char* page;
    bool about;
  } rows[] = {
      {"mnuIndex", true, "", false},
      {"mnuLexique", true, "FrmLexique", false},
      {"mnuAstuces", true, "FrmTip", false},
      {"mnuApropos", false, "", true},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.item);
    ModelHarness h;
    h.start();
    EXPECT_TRUE(h.model.menuCommand(row.item));
    const HelpDesk& desk = h.model.helpDesk();
    EXPECT_EQ(desk.index().has_value(), row.index);
    EXPECT_EQ(desk.page() ? desk.page()->entry->name : "", row.page);
    EXPECT_EQ(desk.about().has_value(), row.about);
  }
}

}  // namespace
}  // namespace ventelle
