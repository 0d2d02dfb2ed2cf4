// The goose board in the main window: drawn from the game, fed by the name
// box, the die and the timer, and gone without a trace when the game closes.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include "qt/shell_checks.h"

namespace ventelle {
namespace {

class GooseBoardTest : public ::testing::Test, public ShownMainWindow {
 protected:
  QLabel* label(const QString& name) { return child<QLabel>(name); }
  void type(const QString& text) {  // as a keyboard would, accented letters included
    for (const QChar c : text) QTest::sendKeyEvent(QTest::Click, child("Saisie"), Qt::Key_unknown, QString(c), Qt::NoModifier);
  }
  void startWith(const QStringList& names) {
    menu("mnjoueoie");
    for (const QString& name : names + QStringList{QString()}) {
      type(name);
      QTest::keyClick(child("Saisie"), Qt::Key_Return);
    }
  }
  QTimer* timer() { return child<QTimer>("Timer"); }
  void tick() { QMetaObject::invokeMethod(timer(), "timeout"); }  // as the event loop would, without waiting
  void throwDie() { QTest::mouseClick(child("D"), Qt::LeftButton); }
  QImage picture(const std::string& file) {
    return QImage(QString::fromStdString((folder.path() / "jeu" / file).string())).convertToFormat(QImage::Format_ARGB32);
  }
  bool showsPicture(const QString& name, const std::string& file) {
    return !picture(file).isNull() && label(name)->pixmap().toImage().convertToFormat(QImage::Format_ARGB32) == picture(file);
  }
  bool pawnOnItsSquare() { return label("Cascoul1")->geometry() == label(QString("Casoie%1").arg(model.game().players()[0].square))->geometry(); }
  void expectNoTraceOfTheGame() {
    EXPECT_FALSE(model.game().isOpen());
    EXPECT_EQ(window.width(), model.controls().windowWidth / 15);
    for (const char* name : {"Cadre_Oie", "Casoie1", "Cascoul1", "Cascoul10", "D", "Saisie", "Labeljoueur0", "Compt0", "Compt1", "LabelPoints"})
      EXPECT_EQ(window.findChild<QObject*>(name), nullptr) << name;
    for (const QTimer* running : window.findChildren<QTimer*>()) EXPECT_FALSE(running->isActive());
  }
};

TEST_F(GooseBoardTest, TheBoardShowsTheGameAndTheTimerMovesThePawn) {
  menu("mnjoueoie");
  EXPECT_EQ(window.width(), model.controls().windowWidth / 15);
  EXPECT_FALSE(shows("TotalPoints"));
  EXPECT_TRUE(showsPicture("Casoie52", "cerf-volant.gif") && showsPicture("Casoie5", "rejoue.gif"));
  EXPECT_TRUE(child("Saisie")->hasFocus());
  type(QString(40, 'W'));  // cut back as typed to what its panel holds
  EXPECT_LT(child<QLineEdit>("Saisie")->text().size(), 40);
  EXPECT_EQ(child<QLineEdit>("Saisie")->text().toStdString(), model.game().nameText());
  child<QLineEdit>("Saisie")->clear();
  menu("mnufermoie");
  startWith({"Chloé"});
  ASSERT_TRUE(model.game().isPlaying());
  EXPECT_EQ(label("Labeljoueur1")->text(), "Chloé");
  EXPECT_EQ(label("Labeljoueur0")->text(), "Chloé");
  EXPECT_FALSE(shows("Saisie") || shows("Cascoul2"));
  EXPECT_TRUE(pawnOnItsSquare());
  EXPECT_TRUE(showsPicture("Cascoul1", "pion1.gif") && shows("Cascoul10"));
  EXPECT_TRUE(showsPicture("Casejoueur11", "-" + std::string(category(1).picture) + ".gif"));
  const int from = model.game().players()[0].square;
  throwDie();
  EXPECT_TRUE(timer()->isActive());
  EXPECT_EQ(timer()->interval(), model.game().timer().intervalMs);
  EXPECT_FALSE(child("D")->isEnabled());
  for (int i = 0; i < 4; ++i) tick();
  ASSERT_EQ(model.game().phase(), GamePhase::Moving);
  EXPECT_EQ(child<QToolButton>("D")->icon().pixmap(35).toImage().convertToFormat(QImage::Format_ARGB32),
            picture("Dé" + std::to_string(model.game().dieFace()) + ".gif"));
  for (int i = 0; i < model.game().dieFace(); ++i) tick();
  EXPECT_NE(model.game().players()[0].square, from);
  EXPECT_TRUE(pawnOnItsSquare());
}

TEST_F(GooseBoardTest, AQuestionTakesTheWindowUnderTheCountdownThenGivesTheBoardBackAndFermerLeavesNoTrace) {
  startWith({"Ana", "Bruno"});
  for (int turn = 0; turn < 30 && model.game().phase() != GamePhase::Question; ++turn) {
    throwDie();
    for (int i = 0; i < 20 && timer()->isActive() && model.game().phase() != GamePhase::Question; ++i) tick();
  }
  ASSERT_EQ(model.game().phase(), GamePhase::Question);
  const int asked = model.game().currentPlayer();
  EXPECT_FALSE(shows("Cadre_Oie"));
  for (int i = 0; i < 3; ++i) tick();  // 39 ticks left show "19", read from left to right
  EXPECT_TRUE(showsPicture("Compt1", "chiffre1.gif") && showsPicture("Compt0", "chiffre9.gif"));
  EXPECT_EQ(label("Compt1")->geometry().right() + 1, label("Compt0")->geometry().left());
  QTest::mouseClick(child("Check1"), Qt::LeftButton);
  child<QPushButton>("Question")->click();
  EXPECT_EQ(label("LabelPoints")->text().toStdString(), model.game().pointsText());
  expectLaidOut(window, "game question", {"Final"});
  child<QPushButton>("Question")->click();
  tick();
  EXPECT_TRUE(shows("Cadre_Oie"));
  EXPECT_EQ(label(QString("PointsJoueur%1").arg(asked))->text(), QString::number(model.game().players()[asked - 1].score));
  EXPECT_TRUE(window.windowTitle().endsWith(QString::fromStdString("-" + model.game().current().name + "-")));
  throwDie();
  menu("mnufermoie");  // while the die turns
  expectNoTraceOfTheGame();
  menu("mnjoueoie");
  type("Ana");
  menu("mnufermoie");  // during the name entry
  expectNoTraceOfTheGame();
}

TEST_F(GooseBoardTest, AMissingPictureLeavesAnEmptySquare) {
  for (const char* file : {"meteo.gif", "pion1.gif", "Dé1.gif", "Dé2.gif", "Dé3.gif", "Dé4.gif", "Dé5.gif", "Dé6.gif"})
    std::filesystem::remove(folder.path() / "jeu" / file);
  startWith({"Ana"});
  EXPECT_TRUE(label("Casoie7")->pixmap().isNull());  // a weather square
  EXPECT_FALSE(label("Casoie2")->pixmap().isNull());
  EXPECT_TRUE(label("Cascoul1")->pixmap().isNull());
  throwDie();
  for (int i = 0; i < 20 && timer()->isActive(); ++i) tick();
  EXPECT_TRUE(child<QToolButton>("D")->icon().pixmap(35).isNull());
}

}  // namespace
}  // namespace ventelle
