#pragma once
// The progress window's three charts, drawn with QPainter from the series
// the model computes: the chance to pass day by day, the mark of each full
// questionnaire, and readiness per chapter with its interval.
#include <QWidget>

#include "ui/progress/progress_view.h"

namespace ventelle {

// Draws the three charts one above the other in `area`.
void paintProgressCharts(QPainter& painter, const QRect& area, const ProgressView& view);

class ProgressCharts : public QWidget {
 public:
  ProgressCharts(const ProgressView& view, QWidget* parent = nullptr);
  QSize sizeHint() const override { return {760, 720}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const ProgressView& view_;
};

}  // namespace ventelle
