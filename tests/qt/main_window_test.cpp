// The shell draws the model and forwards the user's actions to it.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "fakes/recording_desktop.h"
#include "fakes/recording_dialogs.h"
#include "fakes/scripted_random.h"
#include "fakes/temp_folder.h"
#include "qt/main_window.h"
#include "ui/messages.h"

namespace ventelle {
namespace {

class MainWindowTest : public ::testing::Test {
 protected:
  MainWindowTest() {
    std::filesystem::copy(VENTELLE_DATA_DIR "/2004", folder.path() / "2004");
    model.start();
    window.render();
  }

  template <typename T>
  T* child(const char* name) {
    T* widget = window.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }

  void click(const char* name) { QTest::mouseClick(child<QAbstractButton>(name), Qt::LeftButton); }

  TempFolder folder;
  RecordingDialogs dialogs;
  RecordingDesktop desktop;
  ScriptedRandom random{{0.1, 0.7, 0.3, 0.9, 0.5}};
  ChapterLibrary library{ProgramFolder(folder.path())};
  MainWindowModel model{dialogs, desktop, random, library};
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

}  // namespace
}  // namespace ventelle

// The application lives for the whole run, and tests never need a display.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
