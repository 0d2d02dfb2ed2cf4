#pragma once
#include <QCheckBox>
#include <QLabel>
#include <QWidget>

namespace ventelle {

// A check box with a wrapping caption beside it; a click on the caption
// toggles the box as a click on the box would. While the box has the focus
// the whole row wears a black and white frame, seen on any skin's colours.
class TickRow : public QWidget {
  Q_OBJECT
 public:
  TickRow(const QString& boxName, QWidget* parent);

  QCheckBox* box() const { return box_; }
  QLabel* label() const { return label_; }

 signals:
  void toggledByUser();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QCheckBox* box_;
  QLabel* label_;
};

}  // namespace ventelle
