// A desktop with large fonts: the windows laid out in twips keep every
// caption inside its place.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "fakes/model_on_folder.h"
#include "qt/find_child.h"
#include "qt/main_window.h"

namespace ventelle {
namespace {

class LargeDesktopFont : public ::testing::Test {
 protected:
  LargeDesktopFont() {
    QFont large = before_;
    large.setPointSizeF(18);
    QApplication::setFont(large);
  }
  ~LargeDesktopFont() override { QApplication::setFont(before_); }

  // The room the label's text needs, wrapped as the label wraps it.
  static QRect needed(const QLabel& label) {
    const int flags = static_cast<int>(label.alignment()) | (label.wordWrap() ? Qt::TextWordWrap : 0);
    return QFontMetrics(label.font()).boundingRect(label.contentsRect(), flags, label.text());
  }

 private:
  QFont before_ = QApplication::font();
};

TEST_F(LargeDesktopFont, TheMainWindowsCaptionsKeepInsideTheirPlaces) {
  ModelOnFolder shipped;
  shipped.model.start();
  MainWindow window{shipped.model};
  window.render();
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  int checked = 0;
  for (QLabel* label : window.findChildren<QLabel*>()) {
    if (!label->isVisibleTo(&window) || label->text().isEmpty() || label->objectName() == QStringLiteral("LabelQuestion"))
      continue;
    const QRect room = label->contentsRect();
    EXPECT_LE(needed(*label).height(), room.height()) << label->objectName().toStdString();
    EXPECT_LE(needed(*label).width(), room.width()) << label->objectName().toStdString();
    ++checked;
  }
  EXPECT_GE(checked, 15);  // the answers, chapters and score captions at least
  auto* question = findControl<QPushButton>(window, "Question");
  EXPECT_LE(QFontMetrics(question->font()).horizontalAdvance(question->text()), question->width() - 10);
}

}  // namespace
}  // namespace ventelle
