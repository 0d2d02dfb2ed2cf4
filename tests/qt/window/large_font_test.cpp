// A desktop with large fonts, on any screen scale, in any exam and skin: the
// main window laid out in twips keeps every caption inside its control.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTest>

#include "fakes/model_on_folder.h"
#include "qt/find_child.h"
#include "qt/window/main_window.h"

namespace ventelle {
namespace {

// The room the label's text needs, wrapped as the label wraps it.
QRect neededByLabel(const QLabel& label) {
  const int flags = static_cast<int>(label.alignment()) | (label.wordWrap() ? Qt::TextWordWrap : 0);
  return QFontMetrics(label.font()).boundingRect(label.contentsRect(), flags, label.text());
}

// Every caption of the window inside its control: labels (the question text
// aside, which has its own test), buttons, hidden ones included, and frame
// titles. Returns how many captions were measured.
int expectCaptionsInside(const QWidget& window, const std::string& when) {
  int measured = 0;
  for (QLabel* label : window.findChildren<QLabel*>()) {
    if (!label->isVisibleTo(&window) || label->text().isEmpty() || label->objectName() == QStringLiteral("LabelQuestion"))
      continue;
    const QRect needed = neededByLabel(*label);
    EXPECT_LE(needed.width(), label->contentsRect().width()) << when << " " << label->objectName().toStdString();
    EXPECT_LE(needed.height(), label->contentsRect().height()) << when << " " << label->objectName().toStdString();
    ++measured;
  }
  for (QPushButton* button : window.findChildren<QPushButton*>()) {
    if (button->text().isEmpty()) continue;
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const QRect room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    const QFontMetrics metrics(button->font());
    EXPECT_LE(metrics.horizontalAdvance(button->text()), room.width()) << when << " " << button->objectName().toStdString();
    EXPECT_LE(metrics.height(), room.height()) << when << " " << button->objectName().toStdString();
    ++measured;
  }
  for (QGroupBox* frame : window.findChildren<QGroupBox*>()) {
    EXPECT_LE(QFontMetrics(frame->font()).horizontalAdvance(frame->title()), frame->width() - 16)
        << when << " " << frame->objectName().toStdString();
    ++measured;
  }
  return measured;
}

// A desktop font far larger than the design's.
class LargeDesktopFont : public ::testing::Test {
 protected:
  LargeDesktopFont() {
    QFont large = before_;
    large.setPointSizeF(18);
    QApplication::setFont(large);
  }
  ~LargeDesktopFont() override { QApplication::setFont(before_); }

 private:
  QFont before_ = QApplication::font();
};

// On the screen's scale of the run (the suite runs again at 150 % and 200 %):
// the chapter captions of every exam, the numbered buttons and every skin.
TEST_F(LargeDesktopFont, EveryCaptionOfTheMainWindowFitsItsControlInEveryExamAndSkin) {
  ModelOnFolder shipped;
  shipped.model.start();
  MainWindow window{shipped.model};
  window.render();
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  for (const char* exam : {"mnuManuel", "mnu2000", "mnuAvion", "mnuULM", "mnuPlaneur", "mnuPInitial", "mnuPPilote",
                           "mnuPConfirme", "mnuDInitial", "mnuDPilote", "mnuDConfirme"}) {
    findControl<QAction>(window, exam)->trigger();
    EXPECT_GE(expectCaptionsInside(window, exam), 20) << exam;  // the answers, chapters and score at least
  }
  findControl<QAction>(window, "mnuEvaluation")->trigger();  // the numbered buttons
  int skins = 0;
  while (auto* skin = window.findChild<QAction*>(QStringLiteral("mnuskin%1").arg(skins + 1))) {
    skin->trigger();
    expectCaptionsInside(window, skin->text().toStdString());
    ++skins;
  }
  EXPECT_GE(skins, 4);
}

}  // namespace
}  // namespace ventelle
