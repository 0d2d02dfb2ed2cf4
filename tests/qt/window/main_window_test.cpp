// The shell draws the model and forwards the user's actions to it.
#include <gtest/gtest.h>

#include <algorithm>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "core/seeded_random.h"
#include "fakes/model_on_folder.h"
#include "fakes/recording_print_service.h"
#include "qt/find_child.h"
#include "qt/window/main_window.h"
#include "ui/window/expected_menus.h"
#include "ui/window/messages.h"

namespace ventelle {
namespace {

class MainWindowTest : public ::testing::Test, public ModelOnFolder {
 protected:
  MainWindowTest() {
    model.start();
    window.render();
  }

  template <typename T>
  T* child(const char* name) {
    return findControl<T>(window, name);
  }

  void moveMouseOver(const char* name) {
    QWidget* widget = child<QWidget>(name);
    QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), widget->mapToGlobal(QPointF(2, 2)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
  }
  void click(const char* name) { QTest::mouseClick(child<QAbstractButton>(name), Qt::LeftButton); }

  MainWindow window{model};
};

TEST_F(MainWindowTest, ShowsTheQuestionOfTheModel) {
  const WindowControls& c = model.controls();
  EXPECT_EQ(child<QLabel>("LabelQuestion")->text().toStdString(), c.labelQuestion);
  EXPECT_EQ(child<QLabel>("Numero")->text().toStdString(), c.numero);
  EXPECT_EQ(child<QPushButton>("Question")->text(), QStringLiteral("Evaluation"));
  for (int i = 1; i <= kMaxAnswers; ++i) {
    const QString name = QStringLiteral("Check%1").arg(i);
    auto* box = window.findChild<QCheckBox*>(name);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->isVisibleTo(&window), c.check[i].visible) << i;
  }
  EXPECT_EQ(window.windowTitle().toStdString(), c.title);
}

TEST_F(MainWindowTest, TickAndEvaluationReachTheModel) {
  click("Check1");
  EXPECT_TRUE(model.controls().check[1].ticked);
  click("Question");
  EXPECT_EQ(model.controls().question.tag, tags::kQuestion);
  EXPECT_EQ(child<QPushButton>("Question")->text(), QStringLiteral("Question Suivante"));
  EXPECT_FALSE(child<QLabel>("CetteQuestion")->text().isEmpty());
  EXPECT_EQ(child<QLabel>("NombreQuestionsPosees")->text(), QStringLiteral("1"));
}

TEST_F(MainWindowTest, RefusedLateTickLeavesTheBoxAsItWas) {
  click("Question");
  click("Check2");
  EXPECT_EQ(dialogs.count(messages::kNoChangeAfterCorrection), 1);
  EXPECT_FALSE(child<QCheckBox>("Check2")->isChecked());
}

TEST_F(MainWindowTest, MenuCommandOpensTheFullQuestionnaire) {
  child<QAction>("mnuEvaluation")->trigger();
  EXPECT_FALSE(child<QAction>("mnuEvaluation")->isChecked());
  EXPECT_NE(window.findChild<QPushButton*>(QStringLiteral("Bouton60")), nullptr);
  click("Bouton2");
  EXPECT_EQ(model.quiz().currentButton, 2);
}

TEST_F(MainWindowTest, ChapterBoxClickUnticksTheChapter) {
  click("Partie1");
  EXPECT_FALSE(model.controls().partie[1].ticked);
  EXPECT_FALSE(child<QLabel>("Feu1")->isVisibleTo(&window));
}

// The question drawn at start-up, marked with nothing ticked, is a mistake
// of its chapter in the default exam.
TEST_F(MainWindowTest, F1OnAChapterBoxShowsTheChaptersMistakesAndF1AgainHidesThem) {
  child<QAction>("mnuInclure")->trigger();  // the brevet's own questions only
  const Question question = model.quiz().question;
  click("Question");
  const QByteArray boxName = QStringLiteral("Partie%1").arg(question.chapter).toLatin1();
  auto* box = child<QCheckBox>(boxName.constData());
  auto* panel = child<QWidget>("Erreurs");
  ASSERT_FALSE(panel->isVisibleTo(&window));

  QTest::keyClick(box, Qt::Key_F1);

  EXPECT_TRUE(panel->isVisibleTo(&window));
  EXPECT_EQ(child<QLabel>("ErreursCaption")->text(),
            QStringLiteral("QCM Parapente 2004 - Brevet de Pilote: Erreurs sur le chapitre \"%1\"")
                .arg(child<QLabel>((boxName + "Caption").constData())->text()));
  auto* list = child<QPlainTextEdit>("affiche_erreurs");
  EXPECT_TRUE(list->isReadOnly());
  EXPECT_EQ(list->toPlainText(), QString::fromStdString(question.name));

  QTest::keyClick(box, Qt::Key_F1);
  EXPECT_FALSE(panel->isVisibleTo(&window));
}

TEST_F(MainWindowTest, ThePointerMovingOverTheErrorPanelHidesIt) {
  for (const bool overText : {false, true}) {
    QTest::keyClick(child<QCheckBox>("Partie2"), Qt::Key_F1);
    ASSERT_TRUE(child<QWidget>("Erreurs")->isVisibleTo(&window));
    QWidget* target = overText ? child<QPlainTextEdit>("affiche_erreurs")->viewport() : child<QWidget>("Erreurs");
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), target->mapToGlobal(QPointF(5, 5)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(target, &move);
    EXPECT_FALSE(child<QWidget>("Erreurs")->isVisibleTo(&window)) << (overText ? "affiche_erreurs" : "Erreurs");
  }
}

TEST_F(MainWindowTest, TheFocusOfAChapterBoxSelectsItsChapter) {
  const int other = model.quiz().question.chapter == 4 ? 5 : 4;
  QFocusEvent focus(QEvent::FocusIn, Qt::TabFocusReason);
  QApplication::sendEvent(child<QCheckBox>(QStringLiteral("Partie%1").arg(other).toLatin1().constData()), &focus);
  EXPECT_EQ(model.quiz().selectedChapter, other);
}

struct ShownMenu {
  std::string name;
  std::string parent;
  std::string caption;
  bool checked;
  bool visible;
  bool enabled;
};

// Every item of the window's menu bar, as the user finds it, depth first.
void collectMenu(const QList<QAction*>& actions, const std::string& parent, std::vector<ShownMenu>& out) {
  for (QAction* action : actions) {
    const std::string caption = action->isSeparator() ? "-" : action->text().toStdString();
    out.push_back({action->objectName().toStdString(), parent, caption, action->isChecked(), action->isVisible(),
                   action->isEnabled()});
    const std::string name = out.back().name;
    if (action->menu()) collectMenu(action->menu()->actions(), name, out);
  }
}

// After start-up the default user's exam 7 is on screen: its item is checked
// and marked on the way to it, the two test-size options are hidden and the
// lower levels are included.
TEST_F(MainWindowTest, TheMenuBarAfterStartUpIsTheDesignedOneForTheDefaultExam) {
  std::vector<ShownMenu> shown;
  collectMenu(window.menuBar()->actions(), "", shown);
  // Start-up lists the shipped skins in place of the designed "skin" item.
  auto expected = expectedMenusAtCreation();
  auto skins = std::find_if(expected.begin(), expected.end(), [](const auto& m) { return m.name == "mnuskin1"; });
  skins->caption = "ardoise";
  expected.insert(skins + 1, {{"mnuskin2", "mnuAffichage", "classique"},
                              {"mnuskin3", "mnuAffichage", "parapente"},
                              {"mnuskin4", "mnuAffichage", "prairie"}});
  ASSERT_EQ(shown.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    ExpectedMenu want = expected[i];
    SCOPED_TRACE(want.name);
    bool visible = true;
    if (want.name == "mnuPPilote" || want.name == "mnuInclure") want.checked = true;
    if (want.name == "mnu2004") want.caption = ">>> 200&4 (FFVL)";
    if (want.name == "mnuBParapente") want.caption = ">>> &Parapente";
    if (want.name == "mnuQBi" || want.name == "mnuConfirme") visible = false;
    EXPECT_EQ(shown[i].name, want.name);
    EXPECT_EQ(shown[i].parent, want.parent);
    EXPECT_EQ(shown[i].caption, want.caption);
    EXPECT_EQ(shown[i].checked, want.checked);
    EXPECT_EQ(shown[i].visible, visible);
    EXPECT_EQ(shown[i].enabled, want.enabled && visible);  // Qt disables what it hides
  }
}

TEST_F(MainWindowTest, ChoosingAnExamFromTheMenuShowsItsTitleChaptersAndOptions) {
  child<QAction>("mnuULM")->trigger();
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Ventelle - QCM ULM - DGAC               -Utilisateur par défaut-"));
  EXPECT_TRUE(child<QAction>("mnuULM")->isChecked());
  EXPECT_FALSE(child<QAction>("mnuPPilote")->isChecked());
  EXPECT_EQ(child<QMenu>("mnu2004")->title(), QStringLiteral("200&4 (FFVL)"));
  EXPECT_EQ(child<QAction>("mnuQBi")->text(), QStringLiteral("Qualification &Instructeur"));
  EXPECT_FALSE(child<QAction>("mnuConforme")->isVisible());
  EXPECT_EQ(child<QLabel>("Partie1Caption")->text(), QStringLiteral("Facteurs humains"));
  EXPECT_FALSE(child<QWidget>("Partie7")->isVisibleTo(&window));
}

TEST_F(MainWindowTest, UsersAddedAtStartUpTakeTheirPlaceInTheFileMenu) {
  ModelOnFolder withUser;
  withUser.folder.write("Marie.ini", "V 6.1\n");
  MainWindow otherWindow{withUser.model};
  withUser.model.start();
  otherWindow.render();
  std::vector<ShownMenu> shown;
  collectMenu(otherWindow.menuBar()->actions(), "", shown);
  ASSERT_GT(shown.size(), 6u);
  EXPECT_EQ(shown[5].caption, "Utilisateur par défaut");
  EXPECT_EQ(shown[6].name, "mnuUtilisateur1");
  EXPECT_EQ(shown[6].caption, "Marie");
  EXPECT_EQ(shown[7].caption, "-");
}

TEST_F(MainWindowTest, TheMouseOverTheWingReachesTheModel) {
  folder.write("manuel/Chapitre1.dat", "[P1]\nQuestion=Une question de parapente ?\nOui=6\nNon=-6\n");
  child<QAction>("mnuManuel")->trigger();
  for (int k = 2; k <= 6; ++k) click(QStringLiteral("Partie%1").arg(k).toLatin1().constData());
  child<QAction>("mnuReinitialiser")->trigger();
  ASSERT_EQ(model.controls().wingMark, 'P');
  moveMouseOver("delta_parapente");
  EXPECT_TRUE(model.controls().wingCrossed);
  moveMouseOver("LabelQuestion");
  EXPECT_FALSE(model.controls().wingCrossed);
}

}  // namespace
}  // namespace ventelle

// The application lives for the whole run, and tests never need a display.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

namespace ventelle {
namespace {

// The history list of a generated questionnaire: a click shows the question,
// a double-click draws another in its place.
TEST(MainWindowHistory, TheListOfAGeneratedQuestionnaireShowsAndReplacesItsQuestions) {
  // The shipped banks under a seeded generator: a short rotation of values
  // would draw the questions already composed over and over.
  TempFolder folder;
  std::filesystem::copy(VENTELLE_DATA_DIR, folder.path(), std::filesystem::copy_options::recursive);
  RecordingDialogs dialogs;
  RecordingDesktop desktop;
  RecordingPrintService printer;
  SeededRandom random{60};
  ChapterLibrary library{ProgramFolder(folder.path())};
  MainWindowModel model{dialogs, desktop, random, library, printer};
  MainWindow window{model};
  model.start();
  window.render();
  findControl<QAction>(window, "mnuGenerer")->trigger();
  auto* list = findControl<QListWidget>(window, "Historique");
  ASSERT_EQ(list->count(), 60);
  EXPECT_EQ(list->toolTip(), QStringLiteral("double-cliquez pour changer une question"));
  EXPECT_EQ(findControl<QPushButton>(window, "Question")->text(), QStringLiteral("Retour au Questionnaire"));

  const QRect third = list->visualItemRect(list->item(2));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, third.center());
  EXPECT_EQ(findControl<QLabel>(window, "Numero")->text(), QStringLiteral("QCM") + list->item(2)->text());

  QStringList before;
  for (int k = 0; k < list->count(); ++k) before << list->item(k)->text();
  for (int attempt = 0; attempt < 5 && list->item(2)->text() == before[2]; ++attempt)
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(2)).center());
  EXPECT_NE(list->item(2)->text(), before[2]);
  for (int k = 0; k < list->count(); ++k) {
    if (k == 2) continue;
    EXPECT_EQ(list->item(k)->text(), before[k]);
  }
}

}  // namespace
}  // namespace ventelle
