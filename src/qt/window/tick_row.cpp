#include "qt/window/tick_row.h"

#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>

namespace ventelle {

TickRow::TickRow(const QString& boxName, QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_StyledBackground, true);

  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(3, 2, 3, 2);  // room for the focus frame
  layout->setSpacing(4);
  box_ = new QCheckBox(this);
  box_->setObjectName(boxName);
  label_ = new QLabel(this);
  label_->setObjectName(boxName + QStringLiteral("Caption"));
  label_->setWordWrap(true);
  label_->setAttribute(Qt::WA_TransparentForMouseEvents);
  // Held: under a style sheet of their own, the row's box and caption would
  // take the desktop's font instead of their window's.
  if (parent) {
    for (QWidget* widget : {static_cast<QWidget*>(this), static_cast<QWidget*>(box_), static_cast<QWidget*>(label_)})
      widget->setFont(parent->font());
  }
  layout->addWidget(box_, 0, Qt::AlignVCenter);
  layout->addWidget(label_, 1);
  connect(box_, &QCheckBox::clicked, this, &TickRow::toggledByUser);
  box_->installEventFilter(this);
}

bool TickRow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == box_ && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) update();
  return QWidget::eventFilter(watched, event);
}

void TickRow::paintEvent(QPaintEvent* event) {
  QWidget::paintEvent(event);
  if (!box_->hasFocus()) return;
  QPainter painter(this);
  const auto frame = [&painter](const QRect& r, const QColor& colour) {
    painter.fillRect(r.left(), r.top(), r.width(), 1, colour);
    painter.fillRect(r.left(), r.bottom(), r.width(), 1, colour);
    painter.fillRect(r.left(), r.top(), 1, r.height(), colour);
    painter.fillRect(r.right(), r.top(), 1, r.height(), colour);
  };
  frame(rect(), Qt::black);
  frame(rect().adjusted(1, 1, -1, -1), Qt::white);
}

void TickRow::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && isEnabled()) emit toggledByUser();
}

}  // namespace ventelle
