// The splash window draws its model and forwards its timer and label clicks.
#include "qt/help/splash_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "fakes/planned_random.h"
#include "fakes/temp_folder.h"
#include "qt/find_child.h"

namespace ventelle {
namespace {

class SplashWindowTest : public ::testing::Test {
 protected:
  SplashWindowTest() {
    folder.write("Tip.txt", "Vérifiez la météo avant chaque vol, et renoncez si le vent forcit.\nRestez humble.\n");
    window.show();
  }

  template <typename T>
  T* child(const char* name) {
    return findControl<T>(window, name);
  }
  bool shows(const char* name) { return child<QLabel>(name)->isVisibleTo(&window); }

  // Fires the timer as the event loop would, without waiting for it.
  void ticks(int n) {
    auto* timer = child<QTimer>("TimerLogo");
    for (int i = 0; i < n; ++i) QMetaObject::invokeMethod(timer, "timeout");
  }

  TempFolder folder;
  ProgramFolder programFolder{folder.path()};
  PlannedRandom random;
  SplashModel model{programFolder, random};
  SplashWindow window{model};
};

TEST_F(SplashWindowTest, OpensCentredWithItsPicturesAndARunningTimer) {
  EXPECT_EQ(window.objectName(), QStringLiteral("FrmLogo"));
  EXPECT_TRUE(window.isModal());
  const QRect screen = window.screen()->geometry();
  EXPECT_EQ(window.pos(), QPoint((screen.width() - window.width()) / 2, (screen.height() - window.height()) / 2));
  for (const char* picture : {"Logo", "Q", "C", "M"})
    EXPECT_FALSE(child<QLabel>(picture)->pixmap().isNull()) << picture;
  EXPECT_TRUE(shows("Logo"));
  EXPECT_EQ(child<QLabel>("Etiquette")->text(), QString());
  auto* timer = child<QTimer>("TimerLogo");
  EXPECT_EQ(timer->interval(), 450);
  EXPECT_TRUE(timer->isActive());
}

TEST_F(SplashWindowTest, TimerTicksShowTheLettersThenTheTip) {
  for (const QString shown : {"Q", "QC", "QCM"}) {
    ticks(1);
    for (const char* letter : {"Q", "C", "M"})
      EXPECT_EQ(shows(letter), shown.contains(QLatin1String(letter))) << letter << " with " << shown.toStdString();
  }

  ticks(1);
  EXPECT_FALSE(shows("Q") || shows("C") || shows("M"));

  random.queueDraw(1, 2);
  ticks(4);
  EXPECT_FALSE(shows("Logo") || shows("Q") || shows("C") || shows("M"));
  EXPECT_EQ(child<QLabel>("Etiquette")->text(),
            QStringLiteral("Astuce\n\nVérifiez la météo avant chaque vol, et renoncez si le vent forcit."));
  EXPECT_TRUE(window.isVisible());
}

TEST_F(SplashWindowTest, TickTwentyClosesTheWindowAndStopsItsTimer) {
  ticks(19);
  EXPECT_TRUE(window.isVisible());
  ticks(1);
  EXPECT_FALSE(window.isVisible());
  EXPECT_FALSE(child<QTimer>("TimerLogo")->isActive());
}

TEST_F(SplashWindowTest, ClickOnTheLabelClosesTheWindowAtOnce) {
  ticks(3);
  // Over the letter C the click goes through to the label beneath.
  const QPoint overC = child<QLabel>("C")->geometry().center();
  ASSERT_EQ(window.childAt(overC), child<QLabel>("Etiquette"));
  QTest::mouseClick(child<QLabel>("Etiquette"), Qt::LeftButton, {}, overC);
  EXPECT_TRUE(model.controls().closed);
  EXPECT_FALSE(window.isVisible());
  EXPECT_FALSE(child<QTimer>("TimerLogo")->isActive());
}

}  // namespace
}  // namespace ventelle
