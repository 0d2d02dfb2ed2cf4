// The help windows and the splash window draw their models and forward the
// user's actions to them.
#include "qt/help/help_windows.h"

#include "fakes/planned_random.h"
#include "qt/help/splash_window.h"
#include "qt/shell_checks.h"

namespace ventelle {

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
  QLabel* label(QWidget* window, const QString& name) { return findControl<QLabel>(*window, name); }
  void click(QWidget* window, const QString& name) { QTest::mouseClick(findControl(*window, name), Qt::LeftButton); }
  void open(const char* item) {
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

// An entry opens its page in the index's place; the page's links are lit under
// the mouse or the focus and followed by a click or their keys, those without
// an address being plain text; "Index" brings the index back.
TEST_F(HelpWindowsTest, TheIndexOpensItsPagesWhoseLinksAreDrawnAndFollowedAsTheDeskSays) {
  open("mnuIndex");
  HelpFrame* index = windows.index();
  ASSERT_TRUE(index && centred(*index));
  QTest::keyClick(label(index, "Etiquette13"), Qt::Key_Return);
  QPointer<HelpFrame> page = windows.page();
  ASSERT_TRUE(page && page->objectName().toStdString() == helpPages()[12].name);
  EXPECT_EQ(page->pos(), index->pos());
  desk.activated(ActiveWindow::Page);
  windows.render();
  EXPECT_EQ(windows.index(), nullptr);
  auto* body = label(page, "Texte");
  EXPECT_TRUE(body->text().contains("color:#008000\">Evaluation</a>") && body->text().contains("<li>un autre</li>")) << body->text().toStdString();
  EXPECT_TRUE(body->textInteractionFlags() & Qt::LinksAccessibleByKeyboard);
  emit body->linkHovered("0");
  EXPECT_TRUE(body->text().contains("color:#0000ff\">Evaluation</a>"));
  emit body->linkActivated("0");
  EXPECT_EQ(windows.page()->objectName(), "FrmEvaluation");
  EXPECT_TRUE(page.isNull() || !page->isVisible()) << "a closed window stays on screen";

  click(windows.page(), "Indexbouton");
  ASSERT_TRUE(windows.index() && windows.index()->isVisible() && !windows.page());
  click(windows.index(), "Etiquette9");
  for (int i = 0; i < kSiteLinks; ++i)  // only the links with an address are lit and take the focus
    EXPECT_EQ(std::pair(label(windows.page(), QString("WEB%1").arg(i))->styleSheet().contains("#008000"),
                        label(windows.page(), QString("WEB%1").arg(i))->focusPolicy() == Qt::StrongFocus),
              std::pair(i == 6 || i == 14, i == 6 || i == 14)) << i;
  auto* last = label(windows.page(), "WEB14");
  QEvent enter(QEvent::Enter);
  QApplication::sendEvent(last, &enter);
  EXPECT_TRUE(last->styleSheet().contains("#0000ff"));
  click(windows.page(), "WEB0");
  click(windows.page(), "WEB6");
  QTest::keyClick(last, Qt::Key_Enter);
  EXPECT_EQ(desktop.addresses, (std::vector<std::string>{"mailto:club@exemple.fr?subject=demande%20de%20lien%20Ventelle", "https://airanx.example/"}));
  // Another window of the program closes the page, no window at all does not.
  QWidget other;
  other.show();
  desk.activated(ActiveWindow::Page);
  emit qGuiApp->focusWindowChanged(nullptr);
  EXPECT_NE(windows.page(), nullptr);
  emit qGuiApp->focusWindowChanged(other.windowHandle());
  EXPECT_EQ(windows.page(), nullptr);
}

TEST_F(HelpWindowsTest, TheLexiconOpensOnItsWordAndTheTipsDrawAnother) {
  desk.openLexicon("Finesse");
  windows.render();
  auto* list = findControl<QListWidget>(*windows.page(), "Lexique");
  ASSERT_EQ(list->count(), 2);
  EXPECT_EQ(list->currentRow(), 1);
  EXPECT_EQ(label(windows.page(), "Etiquette1")->text(), "Finesse");
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
  EXPECT_EQ(label(windows.page(), "Etiquette2")->text(), "Mouvement d'air vers le haut.");
  EXPECT_EQ(label(windows.page(), "Etiquette2")->geometry().bottom(), list->geometry().bottom());  // beside the list, down to its end
  random.queueDraw(2, 2);
  open("mnuAstuces");
  EXPECT_EQ(label(windows.page(), "Etiquette1")->text(), "Deux.");
  random.queueDraw(1, 2);
  click(windows.page(), "Suivant");
  EXPECT_EQ(label(windows.page(), "Etiquette1")->text(), "Un.");
  click(windows.page(), "QuitterBouton");
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
    ASSERT_TRUE(about && about->windowModality() == Qt::ApplicationModal);
    QRect row;
    for (int k = 1; k <= 5; ++k) {
      const QImage image = label(about, QString("Icone%1").arg(k))->pixmap().toImage();
      ASSERT_FALSE(image.isNull()) << k;
      row |= label(about, QString("Icone%1").arg(k))->geometry();
      int asymmetric = 0;
      for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
          const QColor a = image.pixelColor(x, y), b = image.pixelColor(image.width() - 1 - x, y);
          asymmetric += std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.alpha() - b.alpha()) > 96;
        }
      EXPECT_EQ(asymmetric, 0) << k;
    }
    EXPECT_LE(std::abs(row.left() - (about->width() - 1 - row.right())), 1);
    EXPECT_EQ(label(about, "WEB")->isVisibleTo(about) && label(about, "LabelWeb")->isVisibleTo(about), withPage);
    EXPECT_TRUE(!withPage || label(about, "WEB")->text() == "https://ventelle.example/");
    QTest::keyClick(about->focusWidget(), Qt::Key_Return);
    EXPECT_EQ(windows.about(), nullptr);
  }
}

TEST(SplashWindow, ItsTimerShowsTheLettersThenTheTipInAFramedWindowAndAClickAnywhereClosesIt) {
  TempFolder folder;
  folder.write("Tip.txt", "Vérifiez la météo avant chaque vol.\nRestez humble.\n");
  ProgramFolder programFolder{folder.path()};
  PlannedRandom random;
  SplashModel model{programFolder, random};
  SplashWindow window{model};
  window.show();
  auto* timer = findControl<QTimer>(window, "TimerLogo");
  const auto shows = [&window](const char* name) { return findControl(window, name)->isVisibleTo(&window); };
  const auto ticks = [timer](int n) {
    for (int i = 0; i < n; ++i) QMetaObject::invokeMethod(timer, "timeout");  // as the event loop would, without waiting
  };
  EXPECT_TRUE(centred(window) && timer->isActive() && timer->interval() == model.controls().timerLogo.intervalMs);
  ticks(2);
  EXPECT_TRUE(shows("Q") && shows("C") && !shows("M"));
  random.queueDraw(1, 2);
  ticks(6);
  EXPECT_FALSE(shows("Logo") || shows("Q") || shows("C") || shows("M"));
  EXPECT_EQ(findControl<QLabel>(window, "Etiquette")->text().toStdString(), model.controls().etiquette);
  const QImage drawn = window.grab().toImage();
  EXPECT_EQ(drawn.pixelColor(0, drawn.height() / 2), QColor(0x0e, 0x2f, 0x57));  // the dark frame
  QTest::mouseClick(findControl(window, "Etiquette"), Qt::LeftButton);
  EXPECT_FALSE(window.isVisible() || timer->isActive() || !model.controls().closed);
}

}  // namespace ventelle
