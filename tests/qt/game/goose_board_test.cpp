// The goose board in the main window: drawn from the game, fed by the name
// box, the die and the timer, and gone without a trace when the game closes.
#include "qt/shell_checks.h"

namespace ventelle {

class GooseBoardTest : public ::testing::Test, public ShownMainWindow {
 protected:
  QLabel* label(const QString& name) { return child<QLabel>(name); }
  void startWith(const QStringList& names) {
    menu("mnjoueoie");
    for (const QString& name : names + QStringList{QString()}) {
      for (const QChar c : name) QTest::sendKeyEvent(QTest::Click, child("Saisie"), Qt::Key_unknown, QString(c), Qt::NoModifier);
      QTest::keyClick(child("Saisie"), Qt::Key_Return);
    }
  }
  QTimer* timer() { return child<QTimer>("Timer"); }
  void tick() { QMetaObject::invokeMethod(timer(), "timeout"); }  // as the event loop would, without waiting
  QImage picture(const std::string& file) {
    return QImage(QString::fromStdString((folder.path() / "jeu" / file).string())).convertToFormat(QImage::Format_ARGB32);
  }
  bool showsPicture(const QString& name, const std::string& file) {
    return !picture(file).isNull() && label(name)->pixmap().toImage().convertToFormat(QImage::Format_ARGB32) == picture(file);
  }
  bool pawnOnItsSquare() { return label("Cascoul1")->geometry() == label(QString("Casoie%1").arg(model.game().players()[0].square))->geometry(); }
};

TEST_F(GooseBoardTest, TheBoardShowsTheGameTheTimerMovesThePawnAndAQuestionTakesTheWindowForAWhile) {
  startWith({"Chloé", "Bruno"});
  ASSERT_TRUE(model.game().isPlaying());
  EXPECT_EQ(window.width(), model.controls().windowWidth / 15);
  EXPECT_TRUE(showsPicture("Casoie52", "cerf-volant.gif") && showsPicture("Casoie5", "rejoue.gif") && showsPicture("Cascoul1", "pion1.gif"));
  EXPECT_TRUE(showsPicture("Casejoueur11", "-" + std::string(category(1).picture) + ".gif"));
  EXPECT_EQ(label("Labeljoueur1")->text() + label("Labeljoueur0")->text(), "ChloéChloé");
  EXPECT_FALSE(shows("Saisie") || shows("Cascoul3") || shows("TotalPoints"));
  EXPECT_TRUE(pawnOnItsSquare() && shows("Cascoul10"));
  QTest::mouseClick(child("D"), Qt::LeftButton);
  EXPECT_TRUE(timer()->isActive() && !child("D")->isEnabled());
  EXPECT_EQ(timer()->interval(), model.game().timer().intervalMs);
  for (int i = 0; i < 4; ++i) tick();
  ASSERT_EQ(model.game().phase(), GamePhase::Moving);
  EXPECT_EQ(child<QToolButton>("D")->icon().pixmap(35).toImage().convertToFormat(QImage::Format_ARGB32),
            picture("Dé" + std::to_string(model.game().dieFace()) + ".gif"));
  tick();
  EXPECT_TRUE(pawnOnItsSquare());
  for (int turn = 0; turn < 30 && model.game().phase() != GamePhase::Question; ++turn) {
    for (int i = 0; i < 20 && timer()->isActive() && model.game().phase() != GamePhase::Question; ++i) tick();
    if (model.game().phase() != GamePhase::Question) QTest::mouseClick(child("D"), Qt::LeftButton);
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
}

// While the die turns or the names are typed, as after a question.
TEST_F(GooseBoardTest, FermerLeavesNoTraceOfTheGame) {
  for (const bool rolling : {true, false}) {
    startWith(rolling ? QStringList{"Ana"} : QStringList{});
    if (rolling) QTest::mouseClick(child("D"), Qt::LeftButton);
    menu("mnufermoie");
    EXPECT_FALSE(model.game().isOpen());
    EXPECT_EQ(window.width(), model.controls().windowWidth / 15);
    for (const char* name : {"Cadre_Oie", "Casoie1", "Cascoul1", "Cascoul10", "D", "Saisie", "Labeljoueur0", "Compt0", "Compt1", "LabelPoints"})
      EXPECT_EQ(window.findChild<QObject*>(name), nullptr) << name;
    for (const QTimer* running : window.findChildren<QTimer*>()) EXPECT_FALSE(running->isActive());
  }
}

}  // namespace ventelle
