#include "qt/tick_row.h"

#include <QHBoxLayout>
#include <QMouseEvent>

namespace ventelle {

TickRow::TickRow(const QString& boxName, QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_StyledBackground, true);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(3, 1, 3, 1);
  layout->setSpacing(4);
  box_ = new QCheckBox(this);
  box_->setObjectName(boxName);
  label_ = new QLabel(this);
  label_->setObjectName(boxName + QStringLiteral("Caption"));
  label_->setWordWrap(true);
  label_->setAttribute(Qt::WA_TransparentForMouseEvents);
  layout->addWidget(box_, 0, Qt::AlignVCenter);
  layout->addWidget(label_, 1);
  connect(box_, &QCheckBox::clicked, this, &TickRow::toggledByUser);
}

void TickRow::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && isEnabled()) emit toggledByUser();
}

}  // namespace ventelle
