// The goose board in the main window: drawn from the game, fed by the name
// box, the die and the timer, and gone without a trace when the game closes.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <filesystem>

#include "fakes/model_on_folder.h"
#include "qt/find_child.h"
#include "qt/window/main_window.h"

namespace ventelle {
namespace {

constexpr int kCellPixels = 35;  // a 525-twip square
constexpr int kMarginPixels = 1;

class GooseBoardTest : public ::testing::Test, public ModelOnFolder {
 protected:
  GooseBoardTest() {
    model.start();
    window.render();
    window.show();
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
  }

  template <typename T>
  T* child(const QString& name) {
    return findControl<T>(window, name.toLatin1().constData());
  }
  QLabel* label(const QString& name) { return child<QLabel>(name); }
  bool shows(const QString& name) { return child<QWidget>(name)->isVisibleTo(&window); }

  void menu(const char* name) { child<QAction>(name)->trigger(); }
  void openGame() { menu("mnjoueoie"); }
  void closeGame() { menu("mnufermoie"); }

  QLineEdit* nameBox() { return child<QLineEdit>(QStringLiteral("Saisie")); }
  // Types as a keyboard would, accented letters included.
  void type(const QString& text) {
    for (const QChar c : text) QTest::sendKeyEvent(QTest::Click, nameBox(), Qt::Key_unknown, QString(c), Qt::NoModifier);
  }
  void typeName(const QString& name) {
    type(name);
    QTest::keyClick(nameBox(), Qt::Key_Return);
  }
  void startWith(const QStringList& names) {
    openGame();
    for (const QString& name : names) typeName(name);
    if (names.size() < kMaxPlayers) QTest::keyClick(nameBox(), Qt::Key_Return);
  }

  // Fires the game's timer as the event loop would, without waiting.
  QTimer* timer() { return child<QTimer>(QStringLiteral("Timer")); }
  void tick() { QMetaObject::invokeMethod(timer(), "timeout"); }
  // Ticks until the turn needs the user again, within a bound.
  void tickWhileRunning() {
    for (int i = 0; i < 20 && timer()->isActive(); ++i) tick();
  }

  QImage gamePicture(const std::string& file) const {
    return QImage(QString::fromStdString((folder.path() / "jeu" / file).string()));
  }
  bool showsPicture(QLabel* shown, const std::string& file) const {
    const QImage expected = gamePicture(file).convertToFormat(QImage::Format_ARGB32);
    return !expected.isNull() && shown->pixmap().toImage().convertToFormat(QImage::Format_ARGB32) == expected;
  }
  int twipsWide(const QString& text) const { return QFontMetrics(window.font()).horizontalAdvance(text) * 15; }

  // Whatever a game leaves behind once closed.
  void expectNoTraceOfTheGame() {
    for (const char* name : {"Cadre_Oie", "Casoie1", "Casoie68", "Cascoul0", "Cascoul1", "Cascoul10", "D", "Saisie",
                             "Labeljoueur0", "PointsJoueur1", "Casejoueur11", "Compt0", "Compt1", "LabelPoints"})
      EXPECT_EQ(window.findChild<QObject*>(QString::fromLatin1(name)), nullptr) << name;
    for (const QTimer* running : window.findChildren<QTimer*>()) EXPECT_FALSE(running->isActive()) << running->objectName().toStdString();
  }

  MainWindow window{model, library.folder()};
};

TEST_F(GooseBoardTest, JouerPutsTheBoardOverANarrowerWindowWithoutStatistics) {
  openGame();
  ASSERT_TRUE(shows("Cadre_Oie"));
  auto* frame = child<QFrame>(QStringLiteral("Cadre_Oie"));
  EXPECT_EQ(frame->parentWidget(), window.centralWidget()) << "the board is part of the main window";
  EXPECT_EQ(window.width(), 8475 / 15);
  for (const char* statistic : {"Labels1", "Labels5", "TotalPoints", "NombrePointsMax", "CetteQuestion", "Moyenne",
                                "NombreQuestionsPosees"})
    EXPECT_FALSE(shows(statistic)) << statistic;
  for (int n = 1; n <= kSquareCount; ++n) EXPECT_TRUE(shows(QStringLiteral("Casoie%1").arg(n))) << n;
  // The track starts at the top-left corner; square 52 is the kite square,
  // in the fourth column of the third row.
  EXPECT_EQ(label("Casoie1")->geometry(), QRect(kMarginPixels, kMarginPixels, kCellPixels, kCellPixels));
  EXPECT_EQ(label("Casoie52")->geometry(),
            QRect(kMarginPixels + 3 * kCellPixels, kMarginPixels + 2 * kCellPixels, kCellPixels, kCellPixels));
  EXPECT_TRUE(showsPicture(label("Casoie52"), "cerf-volant.gif"));
  EXPECT_TRUE(showsPicture(label("Casoie1"), "+1000.gif"));
  EXPECT_TRUE(showsPicture(label("Casoie5"), "rejoue.gif"));
  // No pawn, die or panel before the players are known.
  for (const char* absent : {"Cascoul0", "Cascoul1", "D", "PointsJoueur1", "Casejoueur11"}) EXPECT_FALSE(shows(absent)) << absent;
}

TEST_F(GooseBoardTest, TheNameBoxTakesTheFocusAndExplainsItself) {
  openGame();
  EXPECT_TRUE(nameBox()->hasFocus());
  EXPECT_EQ(label("Labelentrée")->text(), QStringLiteral("#1"));
  const QString help = label("Label")->text();
  EXPECT_TRUE(help.contains(QStringLiteral("4 joueurs maximum :"))) << help.toStdString();
  EXPECT_TRUE(help.contains(QStringLiteral("ou terminer en validant deux fois."))) << help.toStdString();
  typeName(QStringLiteral("Ana"));
  EXPECT_EQ(label("Labeljoueur1")->text(), QStringLiteral("Ana"));
  EXPECT_EQ(label("Labelentrée")->text(), QStringLiteral("#2"));
  EXPECT_EQ(nameBox()->text(), QString());
}

TEST_F(GooseBoardTest, ANameTooWideForItsPanelIsCutBackAsTyped) {
  openGame();
  type(QString(40, QLatin1Char('W')));
  const QString kept = nameBox()->text();
  EXPECT_FALSE(kept.isEmpty());
  EXPECT_LT(kept.size(), 40);
  EXPECT_LT(twipsWide(kept), 1300);
  EXPECT_GE(twipsWide(kept + QLatin1Char('W')), 1300) << "the box was cut back too early";
  EXPECT_EQ(model.game().nameText(), kept.toStdString());

  // A letter refused in the middle leaves the text and the caret as they were.
  nameBox()->setCursorPosition(2);
  QTest::keyClick(nameBox(), Qt::Key_M);
  EXPECT_EQ(nameBox()->text(), kept);
  EXPECT_EQ(nameBox()->cursorPosition(), 2);

  typeName(QString());
  EXPECT_EQ(label("Labeljoueur1")->text(), kept);
}

TEST_F(GooseBoardTest, EnterTwiceStartsPlayWithThePawnsOnTheirSquare) {
  startWith({QStringLiteral("Ana"), QStringLiteral("Bruno")});
  ASSERT_TRUE(model.game().isPlaying());
  EXPECT_FALSE(shows("Saisie"));
  EXPECT_FALSE(shows("Label"));
  EXPECT_FALSE(shows("Labelentrée"));

  const int start = model.game().players()[0].square;
  const QRect startSquare = label(QStringLiteral("Casoie%1").arg(start))->geometry();
  for (int p = 1; p <= 2; ++p) {
    EXPECT_TRUE(shows(QStringLiteral("Cascoul%1").arg(p))) << p;
    EXPECT_EQ(label(QStringLiteral("Cascoul%1").arg(p))->geometry(), startSquare) << p;
    EXPECT_TRUE(showsPicture(label(QStringLiteral("Cascoul%1").arg(p)), "pion" + std::to_string(p) + ".gif")) << p;
    EXPECT_TRUE(shows(QStringLiteral("Cascoul%1").arg(10 * p))) << p;
    EXPECT_EQ(label(QStringLiteral("PointsJoueur%1").arg(p))->text(), QStringLiteral("0")) << p;
    for (int k = 1; k <= kCategoryCount; ++k) {
      const QString icon = QStringLiteral("Casejoueur%1").arg(10 * p + k);
      EXPECT_TRUE(shows(icon)) << icon.toStdString();
      // Every icon starts empty: its greyed picture.
      EXPECT_TRUE(showsPicture(label(icon), "-" + std::string(category(k).picture) + ".gif")) << icon.toStdString();
    }
  }
  for (const char* absent : {"Cascoul3", "Cascoul30", "Labeljoueur3", "PointsJoueur3", "Casejoueur31"})
    EXPECT_FALSE(shows(absent)) << absent;
  EXPECT_EQ(label("Labeljoueur1")->text(), QStringLiteral("Ana"));
  EXPECT_EQ(label("Labeljoueur2")->text(), QStringLiteral("Bruno"));
  EXPECT_EQ(label("Labeljoueur0")->text(), QStringLiteral("Ana"));
  EXPECT_TRUE(shows("Cascoul0"));

  auto* die = child<QToolButton>(QStringLiteral("D"));
  EXPECT_TRUE(shows("D"));
  EXPECT_TRUE(die->isEnabled());
  EXPECT_EQ(die->icon().pixmap(kCellPixels).toImage().convertToFormat(QImage::Format_ARGB32),
            gamePicture("Dé" + std::to_string(model.game().dieFace()) + ".gif").convertToFormat(QImage::Format_ARGB32));
}

TEST_F(GooseBoardTest, FourNamesStartPlayWithoutAFurtherEnter) {
  startWith({QStringLiteral("Ana"), QStringLiteral("Bruno"), QStringLiteral("Chloé"), QStringLiteral("Denis")});
  for (int p = 1; p <= kMaxPlayers; ++p) EXPECT_TRUE(shows(QStringLiteral("Cascoul%1").arg(p))) << p;
  EXPECT_EQ(label("Labeljoueur3")->text(), QStringLiteral("Chloé"));
  EXPECT_TRUE(shows("Casejoueur49"));
}

TEST_F(GooseBoardTest, TheTimerFollowsTheGameAndMovesThePawn) {
  startWith({QStringLiteral("Ana")});
  EXPECT_FALSE(timer()->isActive());
  auto* die = child<QToolButton>(QStringLiteral("D"));
  QTest::mouseClick(die, Qt::LeftButton);
  EXPECT_TRUE(timer()->isActive());
  EXPECT_EQ(timer()->interval(), model.game().timer().intervalMs);
  EXPECT_FALSE(die->isEnabled());
  // A click on the turning die changes nothing.
  const auto phase = model.game().phase();
  QTest::mouseClick(die, Qt::LeftButton);
  EXPECT_EQ(model.game().phase(), phase);

  const int from = model.game().players()[0].square;
  for (int i = 0; i < 4; ++i) tick();
  EXPECT_EQ(model.game().phase(), GamePhase::Moving) << "four ticks roll the die";
  EXPECT_EQ(timer()->interval(), model.game().timer().intervalMs);
  const int thrown = model.game().dieFace();
  tick();
  EXPECT_EQ(label("Cascoul1")->geometry(), label(QStringLiteral("Casoie%1").arg(squareAfter(from)))->geometry());
  for (int i = 1; i < thrown; ++i) tick();
  int landed = from;
  for (int i = 0; i < thrown; ++i) landed = squareAfter(landed);
  EXPECT_EQ(label("Cascoul1")->geometry(), label(QStringLiteral("Casoie%1").arg(landed))->geometry());
}

TEST_F(GooseBoardTest, AQuestionTakesTheWindowUnderTheCountdownThenGivesTheBoardBack) {
  startWith({QStringLiteral("Ana"), QStringLiteral("Bruno")});
  EXPECT_TRUE(window.windowTitle().endsWith(QStringLiteral("-Ana-"))) << window.windowTitle().toStdString();
  // Turns until one lands on a question square, within a bound.
  for (int turn = 0; turn < 30 && model.game().phase() != GamePhase::Question; ++turn) {
    QTest::mouseClick(child<QToolButton>(QStringLiteral("D")), Qt::LeftButton);
    for (int i = 0; i < 20 && timer()->isActive() && model.game().phase() != GamePhase::Question; ++i) tick();
  }
  ASSERT_EQ(model.game().phase(), GamePhase::Question);
  const int asked = model.game().currentPlayer();
  EXPECT_FALSE(shows("Cadre_Oie"));
  EXPECT_TRUE(shows("Question"));
  EXPECT_TRUE(shows("Compt0"));
  EXPECT_TRUE(shows("Compt1"));
  EXPECT_FALSE(shows("LabelPoints"));
  EXPECT_TRUE(showsPicture(label("Compt1"), "chiffre2.gif"));
  EXPECT_TRUE(showsPicture(label("Compt0"), "chiffre0.gif"));
  EXPECT_TRUE(timer()->isActive());
  EXPECT_EQ(timer()->interval(), 350);
  for (int i = 0; i < 3; ++i) tick();
  // 39 ticks left show "19", read from left to right.
  EXPECT_TRUE(showsPicture(label("Compt1"), "chiffre1.gif"));
  EXPECT_TRUE(showsPicture(label("Compt0"), "chiffre9.gif"));
  EXPECT_EQ(label("Compt1")->geometry().right() + 1, label("Compt0")->geometry().left());
  EXPECT_EQ(label("Compt1")->y(), label("Compt0")->y());

  // Answered: the points stand under the stopped countdown.
  QTest::mouseClick(child<QCheckBox>(QStringLiteral("Check1")), Qt::LeftButton);
  QTest::mouseClick(child<QPushButton>(QStringLiteral("Question")), Qt::LeftButton);
  ASSERT_TRUE(shows("LabelPoints"));
  EXPECT_TRUE(label("LabelPoints")->text().endsWith(QStringLiteral(" Points"))) << label("LabelPoints")->text().toStdString();
  EXPECT_EQ(label("LabelPoints")->text().toStdString(), model.game().pointsText());
  for (int i = 0; i < 3; ++i) tick();
  EXPECT_TRUE(showsPicture(label("Compt0"), "chiffre9.gif")) << "the countdown stops at the answer";
  // Everything of the question screen fits the narrowed window.
  const QRect inside = window.centralWidget()->rect();
  for (const char* name : {"Compt0", "Compt1", "LabelPoints", "Question", "Historique"})
    EXPECT_TRUE(inside.contains(child<QWidget>(name)->geometry())) << name;
  // The narrowed button shows all of its caption or picture.
  const auto* button = child<QPushButton>(QStringLiteral("Question"));
  EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()), button->width() - 8) << button->text().toStdString();
  EXPECT_LE(button->iconSize().width(), button->width());

  // Going on brings the board back at the next tick, with the score.
  QTest::mouseClick(child<QPushButton>(QStringLiteral("Question")), Qt::LeftButton);
  tick();
  EXPECT_TRUE(shows("Cadre_Oie"));
  EXPECT_FALSE(shows("LabelPoints"));
  EXPECT_FALSE(timer()->isActive());
  EXPECT_EQ(label(QStringLiteral("PointsJoueur%1").arg(asked))->text(),
            QString::number(model.game().players()[asked - 1].score));
  const QString next = QString::fromStdString(model.game().current().name);
  EXPECT_EQ(label("Labeljoueur0")->text(), next);
  EXPECT_TRUE(window.windowTitle().endsWith(QLatin1Char('-') + next + QLatin1Char('-'))) << window.windowTitle().toStdString();
  EXPECT_TRUE(child<QToolButton>(QStringLiteral("D"))->isEnabled());
}

TEST_F(GooseBoardTest, FermerLeavesNoTraceThreeTimesInARow) {
  for (int round = 1; round <= 3; ++round) {
    SCOPED_TRACE(round);
    startWith({QStringLiteral("Ana"), QStringLiteral("Bruno")});
    ASSERT_TRUE(shows("Cadre_Oie"));
    QTest::mouseClick(child<QToolButton>(QStringLiteral("D")), Qt::LeftButton);
    tick();
    closeGame();
    EXPECT_FALSE(model.game().isOpen());
    EXPECT_EQ(window.width(), 9180 / 15);
    for (const char* statistic : {"Labels1", "TotalPoints", "NombreQuestionsPosees"}) EXPECT_TRUE(shows(statistic)) << statistic;
    expectNoTraceOfTheGame();
  }
}

TEST_F(GooseBoardTest, FermerWhileTheDieTurnsStopsTheTimer) {
  startWith({QStringLiteral("Ana")});
  QTest::mouseClick(child<QToolButton>(QStringLiteral("D")), Qt::LeftButton);
  closeGame();
  expectNoTraceOfTheGame();
  QTest::qWait(300);  // a die tick would have come by now
  EXPECT_FALSE(model.game().isOpen());
}

TEST_F(GooseBoardTest, FermerDuringTheNameEntryLeavesNoTrace) {
  openGame();
  type(QStringLiteral("Ana"));
  closeGame();
  expectNoTraceOfTheGame();
  openGame();
  EXPECT_EQ(nameBox()->text(), QString()) << "a new game starts with an empty box";
  EXPECT_EQ(label("Labelentrée")->text(), QStringLiteral("#1"));
}

class GooseBoardWithoutPicturesTest : public GooseBoardTest {
 protected:
  static bool removePictures(const std::filesystem::path& jeu) {
    for (const char* file : {"meteo.gif", "pion1.gif", "Dé1.gif", "Dé2.gif", "Dé3.gif", "Dé4.gif", "Dé5.gif", "Dé6.gif"})
      std::filesystem::remove(jeu / file);
    return true;
  }
  bool removed = removePictures(folder.path() / "jeu");
};

TEST_F(GooseBoardWithoutPicturesTest, AMissingPictureLeavesAnEmptySquare) {
  startWith({QStringLiteral("Ana")});
  EXPECT_TRUE(label("Casoie7")->pixmap().isNull()) << "square 7 is a weather square";
  EXPECT_TRUE(shows("Casoie7"));
  EXPECT_FALSE(label("Casoie2")->pixmap().isNull());
  EXPECT_TRUE(label("Cascoul1")->pixmap().isNull());
  QTest::mouseClick(child<QToolButton>(QStringLiteral("D")), Qt::LeftButton);
  tickWhileRunning();
  EXPECT_TRUE(child<QToolButton>(QStringLiteral("D"))->icon().pixmap(kCellPixels).isNull());
}

}  // namespace
}  // namespace ventelle
