#pragma once
// What the shell tests share: the widgets they reach, a control found by its
// name, a window's layout measured in its real widgets, and a shown main
// window over a copy of the shipped folder.
#include <gtest/gtest.h>

#include <QtWidgets>
#include <QTest>

#include "fakes/model_on_folder.h"
#include "qt/window/main_window.h"

namespace ventelle {

template <typename T = QWidget>
T* findControl(const QWidget& window, const QString& name) {
  T* widget = window.findChild<T*>(name);
  EXPECT_NE(widget, nullptr) << name.toStdString();
  return widget;
}

// The width and height a control's caption needs against the room it has,
// wrapped as the control wraps it.
inline std::pair<QSize, QSize> captionFit(const QWidget& w) {
  const QFontMetrics metrics(w.font());
  if (const auto* label = qobject_cast<const QLabel*>(&w)) {
    if (label->text().isEmpty() || label->textFormat() == Qt::RichText) return {};
    const int flags = static_cast<int>(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    return {metrics.boundingRect(label->contentsRect(), flags, label->text()).size(), label->contentsRect().size()};
  }
  if (const auto* frame = qobject_cast<const QGroupBox*>(&w)) return {{metrics.horizontalAdvance(frame->title()), 0}, {w.width() - 16, 0}};
  const auto* button = qobject_cast<const QAbstractButton*>(&w);
  if (!button || button->text().isEmpty()) return {};
  QStyleOptionButton option;
  option.initFrom(button);
  option.text = button->text();
  // The access key's "&" is not shown.
  const QString shown = QString(button->text()).replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove(QLatin1Char('&')).replace(QLatin1Char('\x01'), QLatin1Char('&'));
  const auto element = w.inherits("QPushButton") ? QStyle::SE_PushButtonContents : QStyle::SE_CheckBoxContents;
  return {{metrics.horizontalAdvance(shown), metrics.height()}, w.style()->subElementRect(element, &option, button).size()};
}

// Every visible named control of the window lies inside its parent, clear of
// its named siblings (but the overlays, drawn over others on purpose), with
// its caption whole; what a scroll area holds is as wide as its view and any
// height beyond it scrolls. Returns how many controls were measured.
inline int expectLaidOut(const QWidget& window, const std::string& when, const QStringList& overlays = {}) {
  QCoreApplication::processEvents();  // the layouts still due
  const auto named = [&window](const QObject* o) {
    const auto* w = qobject_cast<const QWidget*>(o);
    return w && w->window() == &window && !w->objectName().isEmpty() && !w->objectName().startsWith(QStringLiteral("qt_")) &&
           w->isVisibleTo(&window) && !w->isWindow();
  };
  int measured = 0;
  for (const QWidget* w : window.findChildren<QWidget*>()) {
    if (!named(w)) continue;
    ++measured;
    const std::string what = when + ": " + w->objectName().toStdString();
    if (const auto* area = qobject_cast<const QScrollArea*>(w); area && area->widget()) {
      EXPECT_LE(area->widget()->width(), area->viewport()->width()) << what;
      EXPECT_GE(area->verticalScrollBar()->isVisible() ? area->verticalScrollBar()->maximum() : 0, area->widget()->height() - area->viewport()->height()) << what;
    }
    const QWidget* parent = w->parentWidget();
    EXPECT_TRUE(parent->objectName() == QStringLiteral("qt_scrollarea_viewport") || parent->rect().contains(w->geometry())) << what << " leaves its parent";
    for (const QObject* other : parent->children()) {
      const bool mayOverlap = other == w || !named(other) || other->objectName() <= w->objectName() || overlays.contains(other->objectName()) ||
                              overlays.contains(w->objectName());
      EXPECT_TRUE(mayOverlap || !w->geometry().intersects(static_cast<const QWidget*>(other)->geometry())) << what << " overlaps " << other->objectName().toStdString();
    }
    const auto [needs, room] = captionFit(*w);
    EXPECT_TRUE(needs.width() <= room.width() && needs.height() <= room.height()) << what << " cut: " << w->property("text").toString().toStdString();
  }
  return measured;
}

// A desktop font far larger than the design's.
class LargeDesktopFont : public ::testing::Test {
 protected:
  LargeDesktopFont() { QFont large = before_; large.setPointSizeF(18); QApplication::setFont(large); }
  ~LargeDesktopFont() override { QApplication::setFont(before_); }
  const QFont before_ = QApplication::font();
};

// The main window over a copy of the shipped folder, shown and active.
class ShownMainWindow : public ModelOnFolder {
 public:
  ShownMainWindow() {
    model.start();
    window.render();
    window.show();
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
  }
  template <typename T = QWidget>
  T* child(const QString& name) {
    return findControl<T>(window, name);
  }
  bool shows(const QString& name) { return child(name)->isVisibleTo(&window); }
  void menu(const QString& name) { child<QAction>(name)->trigger(); }

  MainWindow window{model, library.folder()};
};

}  // namespace ventelle
