// The main window by keyboard alone, and what a screen reader gets of it.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "fakes/model_on_folder.h"
#include "qt/find_child.h"
#include "qt/window/main_window.h"
#include "qt/window/tick_row.h"
#include "ui/window/messages.h"

namespace ventelle {
namespace {

class KeyboardTest : public ::testing::Test, public ModelOnFolder {
 protected:
  KeyboardTest() {
    model.start();
    window.render();
    window.show();
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
  }
  ~KeyboardTest() override {
    if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
  }

  template <typename T>
  T* child(const QString& name) {
    return findControl<T>(window, name.toLatin1().constData());
  }
  QCheckBox* answer(int n) { return child<QCheckBox>(QStringLiteral("Check%1").arg(n)); }
  QString text(const char* label) { return child<QLabel>(QString::fromLatin1(label))->text(); }
  QString buttonText() { return child<QPushButton>(QStringLiteral("Question"))->text(); }
  int answersShown() {
    int n = 0;
    for (int i = 1; i <= kMaxAnswers; ++i) n += answer(i)->isVisibleTo(&window);
    return n;
  }
  void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) { QTest::keyClick(&window, k, modifiers); }
  // What a screen reader is told of a widget.
  static QString spoken(QWidget* widget, QAccessible::Text what = QAccessible::Name) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(what) : QString();
  }

  MainWindow window{model};
};

TEST_F(KeyboardTest, ATrainingQuestionByKeyboardAlone) {
  ASSERT_GE(answersShown(), 2);
  key(Qt::Key_1);
  EXPECT_TRUE(answer(1)->isChecked());
  key(Qt::Key_1, Qt::KeypadModifier);
  EXPECT_FALSE(answer(1)->isChecked());
  key(Qt::Key_2);
  key(Qt::Key_Ampersand);  // the "1" key of a French keyboard, unshifted
  EXPECT_TRUE(answer(1)->isChecked());
  EXPECT_TRUE(answer(2)->isChecked());
  EXPECT_EQ(buttonText(), QStringLiteral("Evaluation"));

  key(Qt::Key_Return);
  EXPECT_EQ(buttonText(), QStringLiteral("Question Suivante"));
  EXPECT_EQ(text("NombreQuestionsPosees"), QStringLiteral("1"));
  EXPECT_FALSE(text("CetteQuestion").isEmpty());
  key(Qt::Key_3);  // too late, as a click would be
  EXPECT_EQ(dialogs.count(messages::kNoChangeAfterCorrection), 1);
  EXPECT_FALSE(answer(3)->isChecked());

  const QString marked = text("LabelQuestion");
  key(Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(buttonText(), QStringLiteral("Evaluation"));
  EXPECT_FALSE(answer(1)->isChecked());
  EXPECT_EQ(text("NombreQuestionsPosees"), QStringLiteral("1"));
  EXPECT_NE(text("LabelQuestion"), marked);
}

TEST_F(KeyboardTest, AHiddenAnswerIsNotTickedByItsDigit) {
  const int shown = answersShown();
  ASSERT_LT(shown, kMaxAnswers);
  QTest::keyClick(&window, static_cast<Qt::Key>(Qt::Key_1 + shown));
  EXPECT_FALSE(answer(shown + 1)->isChecked());
  EXPECT_FALSE(model.controls().check[shown + 1].ticked);
}

// Each question: a digit ticks, Tab reaches the next numbered button and
// Space shows its question; Enter then marks the whole test.
TEST_F(KeyboardTest, AWholeFullQuestionnaireByKeyboardAlone) {
  child<QAction>(QStringLiteral("mnuEvaluation"))->trigger();
  const int count = static_cast<int>(model.controls().bouton.size());
  ASSERT_EQ(count, 60);
  auto* first = child<QPushButton>(QStringLiteral("Bouton1"));
  first->setFocus(Qt::TabFocusReason);
  QTest::keyClick(first, Qt::Key_Space);
  for (int k = 1; k <= count; ++k) {
    key(Qt::Key_1);
    ASSERT_TRUE(answer(1)->isChecked()) << k;
    if (k < count) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      ASSERT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("Bouton%1").arg(k + 1));
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
      EXPECT_FALSE(answer(1)->isChecked()) << k + 1;
    }
  }
  EXPECT_TRUE(child<QLabel>(QStringLiteral("Final"))->text().isEmpty());
  key(Qt::Key_Return);
  EXPECT_EQ(dialogs.count(messages::kFinishQuestionnaire), 0);
  auto* verdict = child<QLabel>(QStringLiteral("Final"));
  EXPECT_TRUE(verdict->isVisibleTo(&window));
  EXPECT_FALSE(verdict->text().isEmpty());
  EXPECT_EQ(spoken(verdict), verdict->text());
  EXPECT_FALSE(child<QPushButton>(QStringLiteral("Question"))->isVisibleTo(&window));
  // Marked: a tick is refused as a click would be.
  key(Qt::Key_2);
  EXPECT_EQ(dialogs.count(messages::kNoChangeAfterCorrection), 1);
}

TEST_F(KeyboardTest, MenusOpenWithAltAndTheirLetterOrWithF10) {
  key(Qt::Key_F, Qt::AltModifier);
  QWidget* popup = QApplication::activePopupWidget();
  ASSERT_NE(popup, nullptr);
  EXPECT_EQ(popup->objectName(), QStringLiteral("mnuFichier"));
  popup->close();

  key(Qt::Key_F10);
  popup = QApplication::activePopupWidget();
  ASSERT_NE(popup, nullptr);
  EXPECT_EQ(popup->objectName(), QStringLiteral("mnuFichier"));
  // The arrows go on to the next menu.
  QTest::keyClick(popup, Qt::Key_Right);
  popup = QApplication::activePopupWidget();
  ASSERT_NE(popup, nullptr);
  EXPECT_EQ(popup->objectName(), QStringLiteral("mnuOptions"));
}

TEST_F(KeyboardTest, TabGoesFromTheAnswersToTheQuestionButtonThenTheClipsAndChapters) {
  answer(1)->setFocus(Qt::TabFocusReason);
  QStringList visited;
  for (int i = 0; i < 20; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    visited << QApplication::focusWidget()->objectName();
  }
  const int shown = answersShown();
  EXPECT_EQ(visited.mid(0, shown - 1).join(u','), QStringList({"Check2", "Check3", "Check4", "Check5"}).mid(0, shown - 1).join(u','));
  EXPECT_EQ(visited[shown - 1], QStringLiteral("Question"));
  const int firstChapter = visited.indexOf(QStringLiteral("Partie1"));
  ASSERT_GT(firstChapter, 0);
  EXPECT_EQ(visited[firstChapter + 1], QStringLiteral("Partie2"));
  EXPECT_GT(firstChapter, visited.indexOf(QStringLiteral("Historique")));
}

TEST_F(KeyboardTest, TheFocusedAnswerRowWearsAFrameOnAnySkin) {
  for (const char* skin : {"mnuskin1", "mnuskin2", "mnuskin3", "mnuskin4"}) {
    child<QAction>(QString::fromLatin1(skin))->trigger();
    auto* row = qobject_cast<TickRow*>(answer(1)->parentWidget());
    ASSERT_NE(row, nullptr);
    answer(2)->setFocus(Qt::TabFocusReason);
    const QImage unfocused = row->grab().toImage();
    answer(1)->setFocus(Qt::TabFocusReason);
    const QImage focused = row->grab().toImage();
    EXPECT_EQ(focused.pixelColor(0, focused.height() / 2), QColor(Qt::black)) << skin;
    EXPECT_EQ(focused.pixelColor(1, focused.height() / 2), QColor(Qt::white)) << skin;
    EXPECT_NE(unfocused.pixelColor(0, unfocused.height() / 2), focused.pixelColor(0, focused.height() / 2)) << skin;
  }
}

TEST_F(KeyboardTest, F1OnAFocusedChapterBoxOpensAndClosesItsMistakesByKeyboard) {
  key(Qt::Key_Return);  // nothing ticked: a mistake of the question's chapter
  const QString box = QStringLiteral("Partie%1").arg(model.quiz().question.chapter);
  child<QCheckBox>(box)->setFocus(Qt::TabFocusReason);
  auto* panel = child<QWidget>(QStringLiteral("Erreurs"));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
  EXPECT_TRUE(panel->isVisibleTo(&window));
  EXPECT_EQ(spoken(child<QWidget>(QStringLiteral("Feu%1").arg(model.quiz().question.chapter))),
            QStringLiteral("Chapitre %1 : 1 question à revoir").arg(model.quiz().question.chapter));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
  EXPECT_FALSE(panel->isVisibleTo(&window));
}

// Every control on show, as a screen reader meets it.
TEST_F(KeyboardTest, EveryVisibleControlHasAFrenchNameAndDescription) {
  for (const bool fullQuestionnaire : {false, true}) {
    if (fullQuestionnaire) child<QAction>(QStringLiteral("mnuEvaluation"))->trigger();
    for (QWidget* widget : window.centralWidget()->findChildren<QWidget*>()) {
      const QString name = widget->objectName();
      if (name.isEmpty() || name.startsWith(QStringLiteral("qt_")) || !widget->isVisibleTo(&window)) continue;
      EXPECT_FALSE(spoken(widget).trimmed().isEmpty()) << name.toStdString();
      EXPECT_FALSE(spoken(widget, QAccessible::Description).trimmed().isEmpty()) << name.toStdString();
    }
  }
  EXPECT_EQ(spoken(child<QWidget>(QStringLiteral("Bouton7"))), QStringLiteral("Question 7"));
  EXPECT_EQ(spoken(child<QWidget>(QStringLiteral("delta_parapente"))), QStringLiteral("Passer la question"));
  EXPECT_EQ(spoken(child<QWidget>(QStringLiteral("Historique"))), QStringLiteral("Historique des questions"));
}

TEST_F(KeyboardTest, TheQuestionAnswersAndScoreNamesFollowTheirText) {
  auto* caption = child<QLabel>(QStringLiteral("Check1Caption"));
  EXPECT_EQ(spoken(child<QLabel>(QStringLiteral("LabelQuestion"))), text("LabelQuestion"));
  EXPECT_EQ(spoken(answer(1)), QStringLiteral("Réponse 1 : ") + caption->text());
  EXPECT_EQ(spoken(answer(1), QAccessible::Description), QStringLiteral("Touche 1 : cocher ou décocher cette réponse"));
  EXPECT_FALSE(QAccessible::queryAccessibleInterface(answer(1))->state().checked);
  key(Qt::Key_1);
  EXPECT_TRUE(QAccessible::queryAccessibleInterface(answer(1))->state().checked);
  EXPECT_EQ(spoken(child<QPushButton>(QStringLiteral("Question"))), QStringLiteral("Evaluation"));

  key(Qt::Key_Return);
  EXPECT_EQ(spoken(child<QPushButton>(QStringLiteral("Question"))), QStringLiteral("Question Suivante"));
  EXPECT_EQ(spoken(child<QLabel>(QStringLiteral("CetteQuestion"))),
            QStringLiteral("Points de cette question : ") + text("CetteQuestion"));
  EXPECT_EQ(spoken(child<QLabel>(QStringLiteral("NombreQuestionsPosees"))),
            QStringLiteral("Nombre de questions posées : 1"));

  key(Qt::Key_Return);
  EXPECT_EQ(spoken(child<QLabel>(QStringLiteral("LabelQuestion"))), text("LabelQuestion"));
  EXPECT_EQ(spoken(answer(1)), QStringLiteral("Réponse 1 : ") + caption->text());
}

class GooseKeyboardTest : public KeyboardTest {
 protected:
  GooseKeyboardTest() { child<QAction>(QStringLiteral("mnjoueoie"))->trigger(); }
  QLineEdit* nameBox() { return child<QLineEdit>(QStringLiteral("Saisie")); }
  void typeName(const QString& name) {
    for (const QChar c : name) QTest::sendKeyEvent(QTest::Click, nameBox(), Qt::Key_unknown, QString(c), Qt::NoModifier);
  }
};

// Digits are ordinary characters of a name, and Enter enters the name.
TEST_F(GooseKeyboardTest, TheNameBoxKeepsTheDigitsAndItsEnter) {
  ASSERT_EQ(QApplication::focusWidget(), nameBox());
  QTest::keyClicks(nameBox(), QStringLiteral("Pilote12"));
  QTest::keyClick(nameBox(), Qt::Key_3, Qt::KeypadModifier);
  EXPECT_EQ(nameBox()->text(), QStringLiteral("Pilote123"));
  QTest::keyClick(nameBox(), Qt::Key_Return);
  EXPECT_EQ(child<QLabel>(QStringLiteral("Labeljoueur1"))->text(), QStringLiteral("Pilote123"));
  EXPECT_EQ(spoken(nameBox()), QStringLiteral("Nom du joueur 2"));
}

class DieKeyTest : public GooseKeyboardTest, public ::testing::WithParamInterface<Qt::Key> {};

// Once the names are in, the die has the focus and its key throws it.
TEST_P(DieKeyTest, TheDieTakesTheFocusAndItsKeyThrowsIt) {
  typeName(QStringLiteral("Alice"));
  QTest::keyClick(nameBox(), Qt::Key_Return);
  QTest::keyClick(nameBox(), Qt::Key_Return);
  auto* die = child<QToolButton>(QStringLiteral("D"));
  ASSERT_TRUE(die->isEnabled());
  EXPECT_EQ(QApplication::focusWidget(), die);
  EXPECT_EQ(spoken(die, QAccessible::Description), QStringLiteral("Lancer le dé (touche Entrée ou Espace)"));
  QTest::keyClick(die, GetParam());
  EXPECT_FALSE(die->isEnabled());
  EXPECT_EQ(model.game().phase(), GamePhase::Rolling);
}

INSTANTIATE_TEST_SUITE_P(Keys, DieKeyTest, ::testing::Values(Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter));

}  // namespace
}  // namespace ventelle
