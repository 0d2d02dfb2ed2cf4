// The help windows draw the help desk and forward the user's actions to it.
#include "qt/help/help_windows.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "fakes/model_on_folder.h"
#include "fakes/planned_random.h"
#include "fakes/recording_desktop.h"
#include "fakes/recording_dialogs.h"
#include "fakes/temp_folder.h"
#include "qt/find_child.h"
#include "qt/window/main_window.h"

namespace ventelle {
namespace {

class HelpWindowsTest : public ::testing::Test {
 protected:
  HelpWindowsTest() {
    folder.write("aide/FrmContinue.txt", "Voir le bouton {FrmEvaluation|Evaluation}.\n\n- un point\n- un autre");
    folder.write("Lexique.dat", "Ascendance=Mouvement d'air vers le haut.\nFinesse=Distance parcourue.\n");
    folder.write("Liens.dat", "airanx=https://airanx.example/\ncourriel=mailto:club@exemple.fr\n");
    desk.setDialogs(dialogs);  // no box may wait for a click here
  }

  template <typename T>
  T* child(QWidget* window, const char* name) {
    return window ? findControl<T>(*window, name) : nullptr;
  }
  void click(QWidget* window, const char* name) {
    QTest::mouseClick(child<QWidget>(window, name), Qt::LeftButton);
  }
  void send(QWidget* widget, QEvent::Type type) {
    QEvent event(type);
    QApplication::sendEvent(widget, &event);
  }
  void openFromMenu(const char* item) {
    desk.menuCommand(item);
    windows.render();
  }

  TempFolder folder;
  ProgramFolder programFolder{folder.path()};
  PlannedRandom random;
  RecordingDesktop desktop;
  RecordingDialogs dialogs;
  HelpDesk desk{programFolder, random, desktop, dialogs};
  HelpWindows windows{desk, nullptr};
};

TEST_F(HelpWindowsTest, TheIndexOpensCentredWithItsEntriesAndItsPageTakesItsPlace) {
  openFromMenu("mnuIndex");
  HelpFrame* index = windows.index();
  ASSERT_NE(index, nullptr);
  EXPECT_EQ(index->objectName(), QStringLiteral("FrmIndex"));
  EXPECT_EQ(index->windowTitle(), QStringLiteral("Aide de Ventelle"));
  EXPECT_EQ(child<QLabel>(index, "Etiquette0")->text(), QStringLiteral("Index de l'aide de Ventelle"));
  EXPECT_EQ(child<QLabel>(index, "Etiquette16")->text(), QStringLiteral("Personnaliser Ventelle"));
  EXPECT_EQ(child<QPushButton>(index, "QuitterBouton")->text(), QStringLiteral("Quitter"));
  const QRect screen = index->screen()->geometry();
  EXPECT_EQ(index->pos(), QPoint((screen.width() - index->width()) / 2, (screen.height() - index->height()) / 2));

  QTest::mouseClick(child<QLabel>(index, "Etiquette13"), Qt::LeftButton);
  HelpFrame* page = windows.page();
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(page->objectName(), QStringLiteral("FrmContinue"));
  EXPECT_EQ(page->pos(), index->pos());
  EXPECT_EQ(child<QLabel>(page, "Etiquette0")->text(), QStringLiteral("Notation Continue"));

  desk.activated(ActiveWindow::Page);
  windows.render();
  EXPECT_EQ(windows.index(), nullptr);

  click(page, "Indexbouton");
  EXPECT_EQ(windows.page(), nullptr);
  ASSERT_NE(windows.index(), nullptr);
  EXPECT_TRUE(windows.index()->isVisible());
}

TEST_F(HelpWindowsTest, ABodyShowsItsLinksDarkGreenThenBlueUnderTheMouseAndFollowsThem) {
  openFromMenu("mnuIndex");
  desk.indexEntryClick(13);
  windows.render();
  auto* body = child<QLabel>(windows.page(), "Texte");
  EXPECT_TRUE(body->text().contains(QStringLiteral("color:#008000\">Evaluation</a>"))) << body->text().toStdString();
  EXPECT_TRUE(body->text().contains(QStringLiteral("<li>un autre</li>")));

  emit body->linkHovered(QStringLiteral("0"));
  EXPECT_TRUE(body->text().contains(QStringLiteral("color:#0000ff\">Evaluation</a>")));
  emit body->linkHovered(QString());
  EXPECT_TRUE(body->text().contains(QStringLiteral("color:#008000\">Evaluation</a>")));

  emit body->linkActivated(QStringLiteral("0"));
  ASSERT_NE(windows.page(), nullptr);
  EXPECT_EQ(windows.page()->objectName(), QStringLiteral("FrmEvaluation"));
}

// Tab reaches the index entries and the links; Enter or Space follows them,
// and a focused link is lit as under the mouse.
TEST_F(HelpWindowsTest, TheIndexEntriesAndLinksAnswerTheKeyboard) {
  openFromMenu("mnuIndex");
  auto* entry = child<QLabel>(windows.index(), "Etiquette13");
  EXPECT_NE(entry->focusPolicy() & Qt::TabFocus, 0);
  QTest::keyClick(entry, Qt::Key_Return);
  ASSERT_NE(windows.page(), nullptr);
  EXPECT_EQ(windows.page()->objectName(), QStringLiteral("FrmContinue"));
  auto* body = child<QLabel>(windows.page(), "Texte");
  EXPECT_TRUE(body->textInteractionFlags() & Qt::LinksAccessibleByKeyboard);

  click(windows.page(), "Indexbouton");
  QTest::keyClick(child<QLabel>(windows.index(), "Etiquette9"), Qt::Key_Space);
  auto* link = child<QLabel>(windows.page(), "WEB14");
  send(link, QEvent::FocusIn);
  EXPECT_TRUE(link->styleSheet().contains(QStringLiteral("#0000ff")));
  send(link, QEvent::FocusOut);
  EXPECT_TRUE(link->styleSheet().contains(QStringLiteral("#008000")));
  QTest::keyClick(child<QLabel>(windows.page(), "WEB6"), Qt::Key_Enter);
  EXPECT_EQ(desktop.addresses.size(), 1u);
}

// A link with an address is dark green and underlined; one without is plain
// text that the keyboard passes by and a click leaves alone.
TEST_F(HelpWindowsTest, TheLinksPageDrawsALinkWithoutAddressAsPlainText) {
  openFromMenu("mnuIndex");
  desk.indexEntryClick(9);
  windows.render();
  HelpFrame* page = windows.page();
  for (int i = 0; i < kSiteLinks; ++i) {
    auto* label = child<QLabel>(page, QStringLiteral("WEB%1").arg(i).toLatin1().constData());
    const bool live = i == 6 || i == 14;
    EXPECT_EQ(label->styleSheet().contains(QStringLiteral("#008000")), live) << i;
    EXPECT_EQ(label->focusPolicy() == Qt::StrongFocus, live) << i;
  }
  auto* last = child<QLabel>(page, "WEB14");
  EXPECT_EQ(last->text(), QStringLiteral("Ecole Airanx (Réunion)"));
  send(last, QEvent::Enter);
  EXPECT_TRUE(last->styleSheet().contains(QStringLiteral("#0000ff")));
  send(last, QEvent::Leave);
  EXPECT_TRUE(last->styleSheet().contains(QStringLiteral("#008000")));

  auto* plain = child<QLabel>(page, "WEB0");
  EXPECT_EQ(plain->text(), QStringLiteral("Para 2000 (Liens FFVL)"));
  QTest::mouseClick(plain, Qt::LeftButton);
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_TRUE(desktop.addresses.empty());
  QTest::mouseClick(child<QLabel>(page, "WEB6"), Qt::LeftButton);
  EXPECT_EQ(desktop.addresses,
            std::vector<std::string>{"mailto:club@exemple.fr?subject=demande%20de%20lien%20Ventelle"});
}

TEST_F(HelpWindowsTest, TheLexiconOpensOnItsWordAndShowsTheDefinitionClicked) {
  desk.openLexicon("Finesse");
  windows.render();
  HelpFrame* page = windows.page();
  auto* list = child<QListWidget>(page, "Lexique");
  ASSERT_EQ(list->count(), 2);
  EXPECT_EQ(list->currentRow(), 1);
  EXPECT_EQ(child<QLabel>(page, "Etiquette1")->text(), QStringLiteral("Finesse"));

  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
  EXPECT_EQ(child<QLabel>(page, "Etiquette2")->text(), QStringLiteral("Mouvement d'air vers le haut."));
}

TEST_F(HelpWindowsTest, TheTipsWindowDrawsAnotherTipOnSuivant) {
  folder.write("Tip.txt", "Un.\nDeux.");
  random.queueDraw(2, 2);
  openFromMenu("mnuAstuces");
  HelpFrame* page = windows.page();
  EXPECT_EQ(child<QLabel>(page, "Etiquette0")->text(), QStringLiteral("Astuce"));
  EXPECT_EQ(child<QLabel>(page, "Etiquette1")->text(), QStringLiteral("Deux."));
  random.queueDraw(1, 2);
  click(page, "Suivant");
  EXPECT_EQ(child<QPushButton>(page, "Suivant")->text(), QStringLiteral("Suivant >"));
  EXPECT_EQ(child<QLabel>(page, "Etiquette1")->text(), QStringLiteral("Un."));
  click(page, "QuitterBouton");
  EXPECT_EQ(windows.page(), nullptr);
}

TEST_F(HelpWindowsTest, TheAboutWindowIsModalAndShowsTheVersion) {
  openFromMenu("mnuApropos");
  HelpFrame* about = windows.about();
  ASSERT_NE(about, nullptr);
  EXPECT_EQ(about->objectName(), QStringLiteral("Apropos"));
  EXPECT_EQ(about->windowTitle(), QStringLiteral("A propos de... Ventelle"));
  EXPECT_EQ(about->windowModality(), Qt::ApplicationModal);
  EXPECT_EQ(child<QLabel>(about, "Titre")->text(), QStringLiteral("Ventelle"));
  EXPECT_EQ(child<QLabel>(about, "Version")->text(), QStringLiteral("V6.1"));
  for (const char* icon : {"Icone1", "Icone2", "Icone3", "Icone4", "Icone5"})
    EXPECT_FALSE(child<QLabel>(about, icon)->pixmap().isNull()) << icon;
  click(about, "Commande1");
  EXPECT_EQ(windows.about(), nullptr);
}

// The program's page shows only when the links file gives it; Enter presses
// OK, the focus being on it from the start.
TEST_F(HelpWindowsTest, TheAboutWindowShowsThePageItHasAndEnterPressesOk) {
  for (const bool withPage : {false, true}) {
    SCOPED_TRACE(withPage);
    if (withPage) folder.write("Liens.dat", "ventelle=https://ventelle.example/\n");
    openFromMenu("mnuApropos");
    HelpFrame* about = windows.about();
    ASSERT_NE(about, nullptr);
    about->show();
    EXPECT_EQ(child<QLabel>(about, "LabelWeb")->isVisible(), withPage);
    EXPECT_EQ(child<QLabel>(about, "WEB")->isVisible(), withPage);
    if (withPage) {
      EXPECT_EQ(child<QLabel>(about, "LabelWeb")->text(), QStringLiteral("Ventelle sur le WEB :"));
      EXPECT_EQ(child<QLabel>(about, "WEB")->text(), QStringLiteral("https://ventelle.example/"));
    }
    EXPECT_EQ(about->focusWidget(), child<QPushButton>(about, "Commande1"));
    QTest::keyClick(about->focusWidget(), Qt::Key_Return);
    EXPECT_EQ(windows.about(), nullptr);
    EXPECT_TRUE(desktop.addresses.empty());
  }
}

TEST_F(HelpWindowsTest, AnotherWindowOfTheProgramClosesThePageButNoWindowAtAllDoesNot) {
  openFromMenu("mnuIndex");
  desk.indexEntryClick(1);
  windows.render();
  QWidget other;
  other.show();
  windows.page()->show();
  // Whatever window the platform activated meanwhile, the page is now the active one.
  desk.activated(ActiveWindow::Page);
  emit qGuiApp->focusWindowChanged(nullptr);
  EXPECT_NE(windows.page(), nullptr);
  emit qGuiApp->focusWindowChanged(other.windowHandle());
  EXPECT_EQ(windows.page(), nullptr);
}

TEST(HelpMainWindow, TheHelpMenuOpensItsWindowsOverTheMainWindow) {
  ModelOnFolder f;
  f.model.start();
  MainWindow window(f.model);
  window.render();
  f.model.helpDesk().setDialogs(f.dialogs);
  findControl<QAction>(window, "mnuLexique")->trigger();
  auto* lexicon = window.findChild<HelpFrame*>(QStringLiteral("FrmLexique"));
  ASSERT_NE(lexicon, nullptr);
  EXPECT_TRUE(lexicon->isVisible());
  EXPECT_GT(findControl<QListWidget>(*lexicon, "Lexique")->count(), 10);
}

}  // namespace
}  // namespace ventelle
