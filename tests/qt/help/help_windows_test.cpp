// The help windows and the splash window draw their models and forward the
// user's actions to them.
#include "qt/help/help_windows.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "fakes/planned_random.h"
#include "qt/help/splash_window.h"
#include "qt/shell_checks.h"

namespace ventelle {
namespace {

bool centred(const QWidget& window) {
  const QRect screen = window.screen()->geometry();
  return window.pos() == QPoint((screen.width() - window.width()) / 2, (screen.height() - window.height()) / 2);
}

class HelpWindowsTest : public ::testing::Test {
 protected:
  HelpWindowsTest() {
    folder.write("aide/FrmContinue.txt", "Voir le bouton {FrmEvaluation|Evaluation}.\n\n- un point\n- un autre");
    folder.write("Lexique.dat", "Ascendance=Mouvement d'air vers le haut.\nFinesse=Distance parcourue.\n");
    folder.write("Liens.dat", "airanx=https://airanx.example/\ncourriel=mailto:club@exemple.fr\n");
    folder.write("Tip.txt", "Un.\nDeux.");
    desk.setDialogs(dialogs);  // no box may wait for a click here
  }
  template <typename T = QLabel>
  T* child(QWidget* window, const QString& name) {
    return window ? findControl<T>(*window, name) : nullptr;
  }
  void send(QWidget* widget, QEvent::Type type) {
    QEvent event(type);
    QApplication::sendEvent(widget, &event);
  }
  void open(const char* item) {
    desk.menuCommand(item);
    windows.render();
  }
  void openPage(int entry) {
    open("mnuIndex");
    QTest::mouseClick(child(windows.index(), QString("Etiquette%1").arg(entry)), Qt::LeftButton);
    ASSERT_NE(windows.page(), nullptr);
  }

  TempFolder folder;
  ProgramFolder programFolder{folder.path()};
  PlannedRandom random;
  RecordingDesktop desktop;
  RecordingDialogs dialogs;
  HelpDesk desk{programFolder, random, desktop, dialogs};
  HelpWindows windows{desk, nullptr};
};

TEST_F(HelpWindowsTest, AnIndexEntryOpensItsPageInPlaceOfTheIndexAndItsButtonBringsTheIndexBack) {
  open("mnuIndex");
  HelpFrame* index = windows.index();
  ASSERT_NE(index, nullptr);
  EXPECT_TRUE(centred(*index));
  for (int k = 1; k <= kIndexEntries; ++k) EXPECT_EQ(child(index, QString("Etiquette%1").arg(k))->text().toStdString(), helpPages()[k - 1].indexCaption);
  QTest::keyClick(child(index, "Etiquette13"), Qt::Key_Return);
  QPointer<HelpFrame> page = windows.page();
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(page->objectName().toStdString(), helpPages()[12].name);
  EXPECT_EQ(page->pos(), index->pos());
  desk.activated(ActiveWindow::Page);
  windows.render();
  EXPECT_EQ(windows.index(), nullptr);
  QTest::mouseClick(child<QPushButton>(page, "Indexbouton"), Qt::LeftButton);
  EXPECT_EQ(windows.page(), nullptr);
  EXPECT_TRUE(page.isNull() || !page->isVisible()) << "a closed window stays on screen";
  ASSERT_NE(windows.index(), nullptr);
  EXPECT_TRUE(windows.index()->isVisible());
}

// A link is lit under the mouse or the focus and followed by a click or its
// keys; one without an address is plain text that the keyboard passes by.
TEST_F(HelpWindowsTest, LinksAreDrawnAsTheDeskSaysAndTheLiveOnesAreFollowed) {
  openPage(13);
  auto* body = child(windows.page(), "Texte");
  EXPECT_TRUE(body->text().contains("color:#008000\">Evaluation</a>")) << body->text().toStdString();
  EXPECT_TRUE(body->text().contains("<li>un autre</li>"));
  EXPECT_TRUE(body->textInteractionFlags() & Qt::LinksAccessibleByKeyboard);
  emit body->linkHovered("0");
  EXPECT_TRUE(body->text().contains("color:#0000ff\">Evaluation</a>"));
  emit body->linkHovered(QString());
  EXPECT_TRUE(body->text().contains("color:#008000\">Evaluation</a>"));
  emit body->linkActivated("0");
  ASSERT_NE(windows.page(), nullptr);
  EXPECT_EQ(windows.page()->objectName(), "FrmEvaluation");

  desk.indexButtonClick();
  openPage(9);
  for (int i = 0; i < kSiteLinks; ++i) {
    auto* label = child(windows.page(), QString("WEB%1").arg(i));
    EXPECT_EQ(label->styleSheet().contains("#008000"), i == 6 || i == 14) << i;
    EXPECT_EQ(label->focusPolicy() == Qt::StrongFocus, i == 6 || i == 14) << i;
  }
  auto* last = child(windows.page(), "WEB14");
  for (const auto& [on, off] : {std::pair{QEvent::Enter, QEvent::Leave}, std::pair{QEvent::FocusIn, QEvent::FocusOut}}) {
    send(last, on);
    EXPECT_TRUE(last->styleSheet().contains("#0000ff"));
    send(last, off);
    EXPECT_TRUE(last->styleSheet().contains("#008000"));
  }
  QTest::mouseClick(child(windows.page(), "WEB0"), Qt::LeftButton);
  QTest::mouseClick(child(windows.page(), "WEB6"), Qt::LeftButton);
  QTest::keyClick(last, Qt::Key_Enter);
  EXPECT_EQ(desktop.addresses, (std::vector<std::string>{"mailto:club@exemple.fr?subject=demande%20de%20lien%20Ventelle", "https://airanx.example/"}));
}

TEST_F(HelpWindowsTest, TheLexiconOpensOnItsWordAndTheTipsDrawAnother) {
  desk.openLexicon("Finesse");
  windows.render();
  auto* list = child<QListWidget>(windows.page(), "Lexique");
  ASSERT_EQ(list->count(), 2);
  EXPECT_EQ(list->currentRow(), 1);
  EXPECT_EQ(child(windows.page(), "Etiquette1")->text(), "Finesse");
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
  EXPECT_EQ(child(windows.page(), "Etiquette2")->text(), "Mouvement d'air vers le haut.");
  random.queueDraw(2, 2);
  open("mnuAstuces");
  EXPECT_EQ(child(windows.page(), "Etiquette1")->text(), "Deux.");
  random.queueDraw(1, 2);
  QTest::mouseClick(child<QPushButton>(windows.page(), "Suivant"), Qt::LeftButton);
  EXPECT_EQ(child(windows.page(), "Etiquette1")->text(), "Un.");
  QTest::mouseClick(child<QPushButton>(windows.page(), "QuitterBouton"), Qt::LeftButton);
  EXPECT_EQ(windows.page(), nullptr);
}

// Five program icons, each an aircraft drawn square to its axis, in a row
// centred in the box; the program's page shows when the links give it; Enter
// presses OK.
TEST_F(HelpWindowsTest, TheAboutBoxDrawsItsIconsAndPageAndEnterPressesOk) {
  for (const bool withPage : {false, true}) {
    if (withPage) folder.write("Liens.dat", "ventelle=https://ventelle.example/\n");
    open("mnuApropos");
    HelpFrame* about = windows.about();
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->windowModality(), Qt::ApplicationModal);
    QRect row;
    for (int k = 1; k <= 5; ++k) {
      auto* icon = child(about, QString("Icone%1").arg(k));
      ASSERT_TRUE(icon && !icon->pixmap().isNull()) << k;
      row |= icon->geometry();
      const QImage image = icon->pixmap().toImage();
      int asymmetric = 0;
      for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
          const QColor a = image.pixelColor(x, y), b = image.pixelColor(image.width() - 1 - x, y);
          asymmetric += std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.alpha() - b.alpha()) > 96;
        }
      EXPECT_EQ(asymmetric, 0) << k;
    }
    EXPECT_LE(std::abs(row.left() - (about->width() - 1 - row.right())), 1);
    EXPECT_EQ(child(about, "WEB")->isVisibleTo(about), withPage);
    EXPECT_EQ(child(about, "LabelWeb")->isVisibleTo(about), withPage);
    if (withPage) EXPECT_EQ(child(about, "WEB")->text(), "https://ventelle.example/");
    EXPECT_EQ(about->focusWidget(), child<QPushButton>(about, "Commande1"));
    QTest::keyClick(about->focusWidget(), Qt::Key_Return);
    EXPECT_EQ(windows.about(), nullptr);
  }
}

TEST_F(HelpWindowsTest, AnotherWindowOfTheProgramClosesThePageButNoWindowAtAllDoesNot) {
  openPage(1);
  QWidget other;
  other.show();
  desk.activated(ActiveWindow::Page);  // whatever window the platform activated meanwhile
  emit qGuiApp->focusWindowChanged(nullptr);
  EXPECT_NE(windows.page(), nullptr);
  emit qGuiApp->focusWindowChanged(other.windowHandle());
  EXPECT_EQ(windows.page(), nullptr);
}

class SplashWindowTest : public ::testing::Test {
 protected:
  SplashWindowTest() {
    folder.write("Tip.txt", "Vérifiez la météo avant chaque vol.\nRestez humble.\n");
    window.show();
  }
  bool shows(const char* name) { return findControl(window, name)->isVisibleTo(&window); }
  QTimer* timer() { return findControl<QTimer>(window, "TimerLogo"); }
  void ticks(int n) {  // as the event loop would, without waiting
    for (int i = 0; i < n; ++i) QMetaObject::invokeMethod(timer(), "timeout");
  }

  TempFolder folder;
  ProgramFolder programFolder{folder.path()};
  PlannedRandom random;
  SplashModel model{programFolder, random};
  SplashWindow window{model};
};

TEST_F(SplashWindowTest, TheTimerShowsTheLettersThenTheTipInAFramedWindowThenCloses) {
  EXPECT_TRUE(centred(window));
  for (const char* picture : {"Logo", "Q", "C", "M"}) EXPECT_FALSE(findControl<QLabel>(window, picture)->pixmap().isNull()) << picture;
  EXPECT_EQ(timer()->interval(), model.controls().timerLogo.intervalMs);
  EXPECT_TRUE(timer()->isActive());
  for (const QString shown : {"Q", "QC", "QCM"}) {
    ticks(1);
    for (const char* letter : {"Q", "C", "M"}) EXPECT_EQ(shows(letter), shown.contains(letter)) << letter;
  }
  random.queueDraw(1, 2);
  ticks(5);
  EXPECT_FALSE(shows("Logo") || shows("Q") || shows("C") || shows("M"));
  EXPECT_EQ(findControl<QLabel>(window, "Etiquette")->text().toStdString(), model.controls().etiquette);
  const QImage drawn = window.grab().toImage();
  EXPECT_EQ(drawn.pixelColor(0, drawn.height() / 2), QColor(0x0e, 0x2f, 0x57));  // the dark frame
  ticks(11);
  EXPECT_TRUE(window.isVisible());
  ticks(1);
  EXPECT_FALSE(window.isVisible() || timer()->isActive());
}

TEST_F(SplashWindowTest, AClickAnywhereEvenOverALetterClosesTheWindowAtOnce) {
  ticks(3);
  const QPoint overC = findControl(window, "C")->geometry().center();
  ASSERT_EQ(window.childAt(overC), findControl(window, "Etiquette"));
  QTest::mouseClick(findControl(window, "Etiquette"), Qt::LeftButton, {}, overC);
  EXPECT_TRUE(model.controls().closed);
  EXPECT_FALSE(window.isVisible() || timer()->isActive());
}

}  // namespace
}  // namespace ventelle
