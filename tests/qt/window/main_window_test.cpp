// The main window shows the model after each event, and the user's clicks,
// keys and menu choices reach the model.
#include <QAccessible>

#include "qt/shell_checks.h"
#include "qt/window/tick_row.h"
#include "ui/window/menu_bar.h"

namespace ventelle {

class MainWindowTest : public ::testing::Test, public ShownMainWindow {
 protected:
  ~MainWindowTest() override {
    if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
  }
  std::string text(const QString& label) { return child<QLabel>(label)->text().toStdString(); }
  void click(const QString& name) { QTest::mouseClick(child(name), Qt::LeftButton); }
  void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) { QTest::keyClick(&window, k, modifiers); }
  void moveOver(QWidget* widget) {
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), widget->mapToGlobal(QPointF(5, 5)), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
  }
  QString tabFrom(const QString& name) {
    child(name)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(child(name), Qt::Key_Tab);
    return QApplication::focusWidget()->objectName();
  }

  // What the window shows of the model's state.
  void expectShowsModel(const std::string& when) {
    SCOPED_TRACE(when);
    const WindowControls& c = model.controls();
    EXPECT_EQ(window.windowTitle().toStdString() + text("LabelQuestion") + text("Numero"), c.title + c.labelQuestion + c.numero);
    for (int i = 1; i <= kMaxAnswers; ++i)
      EXPECT_EQ(std::tuple(shows(QString("Check%1").arg(i)), child<QCheckBox>(QString("Check%1").arg(i))->isChecked(), text(QString("Check%1Caption").arg(i))),
                std::tuple(c.check[i].visible, c.check[i].ticked, c.check[i].visible ? c.check[i].caption : text(QString("Check%1Caption").arg(i)))) << i;
    EXPECT_EQ(text("CetteQuestion") + "|" + text("TotalPoints") + "|" + text("NombrePointsMax") + "|" + text("Moyenne") + "|" +
                  text("NombreQuestionsPosees") + "|" + text("Final"),
              c.cetteQuestion + "|" + c.totalPoints + "|" + c.nombrePointsMax + "|" + c.moyenne + "|" + c.nombreQuestionsPosees + "|" + c.final);
    EXPECT_EQ(shows("Final"), !c.final.empty());
    for (int k = 1; k <= kChapterBoxes; ++k)
      EXPECT_EQ(std::tuple(shows(QString("Partie%1").arg(k)), child<QCheckBox>(QString("Partie%1").arg(k))->isChecked(), shows(QString("Feu%1").arg(k))),
                std::tuple(c.partie[k].visible, c.partie[k].ticked, c.feu[k].visible && c.partie[k].visible)) << k;
    EXPECT_EQ(shows("Erreurs") ? text("ErreursCaption") + child<QPlainTextEdit>("affiche_erreurs")->toPlainText().remove(QChar(0x200B)).toStdString() : "-",
              c.erreursVisible ? c.erreursCaption + c.afficheErreurs : "-");
    std::vector<std::string> shown;
    for (int k = 0; k < child<QListWidget>("Historique")->count(); ++k) shown.push_back(child<QListWidget>("Historique")->item(k)->text().toStdString());
    for (std::size_t k = 0; k < c.bouton.size(); ++k) shown.push_back(child<QPushButton>(QString("Bouton%1").arg(k + 1))->text().toStdString());
    std::vector<std::string> wanted = c.historique;
    for (const NumberedButton& button : c.bouton) wanted.push_back(button.caption);
    EXPECT_EQ(shown, wanted);
  }

  // Every item of the model's menu bar is an action of the window, in its
  // parent at the model's place, with its caption and state; and no other.
  static void expectMenusFollowTheModel(const MainWindow& shown, const MenuBar& bar) {
    std::map<std::string, int> place;
    for (const MenuEntry& entry : bar.order()) {
      const MenuItem& item = bar.at(entry.name);
      auto* action = shown.findChild<QAction*>(QString::fromStdString(entry.name));
      ASSERT_NE(action, nullptr) << entry.name;
      const auto* menu = entry.parent.empty() ? static_cast<QWidget*>(shown.menuBar()) : shown.findChild<QMenu*>(QString::fromStdString(entry.parent));
      EXPECT_EQ(menu->actions().indexOf(action), place[entry.parent]++) << entry.name;
      EXPECT_EQ(action->isSeparator() ? "-" : action->text().toStdString(), item.caption) << entry.name;
      EXPECT_EQ(std::tuple(action->isVisible(), action->isEnabled(), action->isChecked()),
                std::tuple(item.visible, item.enabled && item.visible, item.checkable && item.checked)) << entry.name;
    }
    EXPECT_EQ(shown.menuBar()->actions().size(), place[""]);
  }
};

TEST_F(MainWindowTest, TheMenusFollowTheModelAndAChosenItemReachesIt) {
  expectMenusFollowTheModel(window, model.controls().menus);
  menu("mnuULM");
  EXPECT_TRUE(model.controls().menus.at("mnuULM").checked);
  expectMenusFollowTheModel(window, model.controls().menus);
  ModelOnFolder withUser;  // a user's item added at start-up
  withUser.folder.write("Marie.ini", "V 6.1\n");
  MainWindow otherWindow{withUser.model};
  withUser.model.start();
  otherWindow.render();
  ASSERT_TRUE(withUser.model.controls().menus.contains("mnuUtilisateur1"));
  expectMenusFollowTheModel(otherWindow, withUser.model.controls().menus);
}

TEST_F(MainWindowTest, ClicksAndTheMouseReachTheModelAndTheWindowShowsIt) {
  expectShowsModel("start");
  click("Check1");
  click("Question");
  EXPECT_TRUE(model.controls().check[1].ticked && model.controls().question.tag == tags::kQuestion);
  expectShowsModel("marked");
  click("Partie1");
  EXPECT_FALSE(model.controls().partie[1].ticked);
  const int other = model.quiz().question.chapter == 4 ? 5 : 4;
  QFocusEvent focus(QEvent::FocusIn, Qt::TabFocusReason);
  QApplication::sendEvent(child(QString("Partie%1").arg(other)), &focus);
  EXPECT_EQ(model.quiz().selectedChapter, other);
  // F1 on a chapter box opens its mistakes; a move of the pointer over them, or F1 again, closes them.
  const QString box = QString("Partie%1").arg(model.quiz().question.chapter);
  for (QWidget* over : {child("Erreurs"), child<QPlainTextEdit>("affiche_erreurs")->viewport(), static_cast<QWidget*>(nullptr)}) {
    QTest::keyClick(child(box), Qt::Key_F1);
    ASSERT_TRUE(model.controls().erreursVisible);
    expectShowsModel("mistakes");
    over ? moveOver(over) : QTest::keyClick(child(box), Qt::Key_F1);
    EXPECT_FALSE(shows("Erreurs"));
  }
  menu("mnuEvaluation");  // the full questionnaire
  click("Bouton2");
  EXPECT_EQ(model.quiz().currentButton, 2);
  expectShowsModel("full questionnaire");
  // The wing of a re-asked paraglider question: crossed out under the mouse.
  folder.write("manuel/Chapitre1.dat", "[P1]\nQuestion=Une question de parapente ?\nOui=6\nNon=-6\n");
  menu("mnuEvaluation");
  menu("mnuManuel");
  for (int k = 2; k <= 6; ++k) click(QString("Partie%1").arg(k));
  menu("mnuReinitialiser");
  ASSERT_EQ(model.controls().wingMark, 'P');
  const auto wing = [this] { return child<QPushButton>("delta_parapente")->icon().pixmap(40, 26).toImage(); };
  const QImage plain = wing();
  EXPECT_EQ(child<QPushButton>("delta_parapente")->icon().availableSizes(), QList<QSize>{QSize(40, 26)});  // drawn at the size it shows
  moveOver(child("delta_parapente"));
  EXPECT_NE(wing(), plain);
  moveOver(child("LabelQuestion"));
  EXPECT_EQ(wing(), plain);
}

TEST_F(MainWindowTest, TheKeysTickMarkGoOnMoveTheFocusAndOpenTheMenus) {
  key(Qt::Key_1);
  key(Qt::Key_1, Qt::KeypadModifier);
  EXPECT_FALSE(model.controls().check[1].ticked);
  key(Qt::Key_Ampersand);  // the "1" key of a French keyboard, unshifted
  EXPECT_TRUE(model.controls().check[1].ticked);
  key(Qt::Key_Return);
  EXPECT_EQ(model.controls().question.tag, tags::kQuestion);
  key(Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(model.controls().question.tag, tags::kEvaluation);
  const QString lastAnswer = QString("Check%1").arg(model.quiz().question.answerCount);
  EXPECT_EQ(tabFrom("Check1") + tabFrom(lastAnswer) + tabFrom("Partie1"), "Check2QuestionPartie2");
  menu("mnuEvaluation");
  EXPECT_EQ(tabFrom("Bouton1") + tabFrom("Bouton60"), "Bouton2Partie1");
  key(Qt::Key_F10);
  ASSERT_TRUE(QApplication::activePopupWidget() && QApplication::activePopupWidget()->objectName() == "mnuFichier");
  QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Right);
  EXPECT_EQ(QApplication::activePopupWidget()->objectName(), "mnuOptions");
}

// Every control on show tells a screen reader the model's name for it, and
// the focused answer row wears a black and white frame on any skin.
TEST_F(MainWindowTest, TheScreenReaderAndTheEyeFindTheFocusedControl) {
  for (const bool fullQuestionnaire : {false, true}) {
    if (fullQuestionnaire) menu("mnuEvaluation");
    const AccessibleTexts texts = model.accessibleTexts();
    for (QWidget* widget : window.centralWidget()->findChildren<QWidget*>()) {
      const std::string name = widget->objectName().toStdString();
      if (name.empty() || name.starts_with("qt_") || !widget->isVisibleTo(&window)) continue;
      const QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
      EXPECT_FALSE(face->text(QAccessible::Name).trimmed().isEmpty() || face->text(QAccessible::Description).trimmed().isEmpty()) << name;
      EXPECT_TRUE(!texts.contains(name) || face->text(QAccessible::Name).toStdString() == texts.at(name).name) << name;
    }
  }
  for (int skin = 1; skin <= 4; ++skin) {
    menu(QString("mnuskin%1").arg(skin));
    auto* row = qobject_cast<TickRow*>(child("Check1")->parentWidget());
    child("Check2")->setFocus(Qt::TabFocusReason);
    const QImage unfocused = row->grab().toImage();
    child("Check1")->setFocus(Qt::TabFocusReason);
    const QImage focused = row->grab().toImage();
    const int w = focused.width(), y = focused.height() / 2;
    for (const auto& [x, colour] : {std::pair{0, QColor(Qt::black)}, {1, QColor(Qt::white)}, {2, unfocused.pixelColor(2, y)}, {w - 1, QColor(Qt::black)},
                                    {w - 2, QColor(Qt::white)}, {w - 3, unfocused.pixelColor(w - 3, y)}})
      EXPECT_EQ(focused.pixelColor(x, y), colour) << skin << " " << x;
    EXPECT_NE(unfocused.pixelColor(0, y), QColor(Qt::black)) << skin;
  }
}

}  // namespace ventelle

// The application lives for the whole run, and tests never need a display.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
