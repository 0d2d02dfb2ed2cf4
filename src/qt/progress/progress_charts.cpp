#include "qt/progress/progress_charts.h"

#include <QDate>
#include <QPainter>
#include <QPainterPath>

namespace ventelle {
namespace {

const QColor kLine(31, 95, 168);
const QColor kBand(31, 95, 168, 50);
const QColor kPassLine(200, 60, 40);
const QColor kGrid(210, 210, 210);

// "2026-12-05..." as "05/12/2026".
QString frenchDay(const std::string& isoTime) {
  return QDate::fromString(QString::fromStdString(isoTime.substr(0, 10)), Qt::ISODate).toString(QStringLiteral("dd/MM/yyyy"));
}

// The plotting rectangle inside a chart's area, room left for the title and
// the axis labels.
QRect plotArea(QPainter& painter, const QRect& area, const QString& title) {
  const QFontMetrics metrics = painter.fontMetrics();
  painter.setPen(Qt::black);
  QFont bold = painter.font();
  bold.setBold(true);
  painter.save();
  painter.setFont(bold);
  painter.drawText(area.adjusted(0, 0, 0, 0), Qt::AlignTop | Qt::AlignHCenter, title);
  painter.restore();
  const int left = metrics.horizontalAdvance(QStringLiteral("100 %")) + 8;
  return area.adjusted(left, metrics.height() + 8, -12, -(metrics.height() + 6));
}

// Horizontal grid lines with their labels, from 0 to `top` by `step`.
void drawScale(QPainter& painter, const QRect& plot, int top, int step, const QString& unit) {
  for (int value = 0; value <= top; value += step) {
    const int y = plot.bottom() - plot.height() * value / top;
    painter.setPen(kGrid);
    painter.drawLine(plot.left(), y, plot.right(), y);
    painter.setPen(Qt::black);
    const QRect label(0, y - 10, plot.left() - 4, 20);
    painter.drawText(label, Qt::AlignRight | Qt::AlignVCenter, QString::number(value) + unit);
  }
  painter.drawRect(plot);
}

void drawPassLine(QPainter& painter, const QRect& plot, double share) {
  painter.setPen(QPen(kPassLine, 1, Qt::DashLine));
  const int y = plot.bottom() - static_cast<int>(plot.height() * share);
  painter.drawLine(plot.left(), y, plot.right(), y);
}

// x of point i of n spread over the plot.
int xOf(const QRect& plot, std::size_t i, std::size_t n) {
  if (n <= 1) return plot.center().x();
  return plot.left() + static_cast<int>((plot.width() - 1) * static_cast<double>(i) / static_cast<double>(n - 1));
}

// A line through the values, one point each, spread over the plot.
void drawPolyline(QPainter& painter, const QRect& plot, const std::vector<int>& ys) {
  painter.setPen(QPen(kLine, 2));
  for (std::size_t i = 0; i < ys.size(); ++i) {
    const QPoint point(xOf(plot, i, ys.size()), ys[i]);
    if (i > 0) painter.drawLine(QPoint(xOf(plot, i - 1, ys.size()), ys[i - 1]), point);
    painter.drawEllipse(point, 3, 3);
  }
}

void drawEmpty(QPainter& painter, const QRect& plot, const QString& text) {
  painter.setPen(Qt::darkGray);
  painter.drawText(plot, Qt::AlignCenter | Qt::TextWordWrap, text);
}

void drawFirstAndLast(QPainter& painter, const QRect& plot, const QString& first, const QString& last) {
  painter.setPen(Qt::black);
  const QRect below(plot.left(), plot.bottom() + 4, plot.width(), painter.fontMetrics().height());
  painter.drawText(below, Qt::AlignLeft, first);
  if (last != first) painter.drawText(below, Qt::AlignRight, last);
}

void drawChanceChart(QPainter& painter, const QRect& area, const ProgressView& view) {
  const QRect plot = plotArea(painter, area, QStringLiteral("Chance de réussite, jour après jour"));
  drawScale(painter, plot, 100, 25, QStringLiteral(" %"));
  const auto& days = view.chanceHistory;
  if (days.empty()) return drawEmpty(painter, plot, QStringLiteral("Pas encore d'estimation"));
  auto yOf = [&plot](int percent) { return plot.bottom() - plot.height() * std::clamp(percent, 0, 100) / 100; };
  QPainterPath band;
  for (std::size_t i = 0; i < days.size(); ++i) {
    const QPointF high(xOf(plot, i, days.size()), yOf(days[i].percent + days[i].margin));
    i == 0 ? band.moveTo(high) : band.lineTo(high);
  }
  for (std::size_t i = days.size(); i-- > 0;) band.lineTo(xOf(plot, i, days.size()), yOf(days[i].percent - days[i].margin));
  band.closeSubpath();
  painter.fillPath(band, kBand);
  std::vector<int> ys;
  for (const auto& day : days) ys.push_back(yOf(day.percent));
  drawPolyline(painter, plot, ys);
  drawFirstAndLast(painter, plot, frenchDay(days.front().day), frenchDay(days.back().day));
}

void drawMarksChart(QPainter& painter, const QRect& area, const ProgressView& view) {
  const QRect plot = plotArea(painter, area, QStringLiteral("Note sur 20 de chaque questionnaire complet"));
  drawScale(painter, plot, 20, 5, QString());
  drawPassLine(painter, plot, 0.75);
  const auto& marks = view.marks;
  if (marks.empty()) return drawEmpty(painter, plot, QStringLiteral("Aucun questionnaire complet noté"));
  auto yOf = [&plot](int mark) { return plot.bottom() - plot.height() * std::clamp(mark, 0, 20) / 20; };
  std::vector<int> ys;
  for (const auto& mark : marks) ys.push_back(yOf(mark.outOf20));
  drawPolyline(painter, plot, ys);
  drawFirstAndLast(painter, plot, frenchDay(marks.front().time), frenchDay(marks.back().time));
}

void drawReadinessChart(QPainter& painter, const QRect& area, const ProgressView& view) {
  const QRect plot = plotArea(painter, area, QStringLiteral("Réussite estimée par chapitre (intervalle à 80 %)"));
  drawScale(painter, plot, 100, 25, QStringLiteral(" %"));
  const auto n = static_cast<int>(view.chapters.size());
  if (n == 0) return;
  const int slot = plot.width() / n;
  auto yOf = [&plot](double share) { return plot.bottom() - static_cast<int>(plot.height() * share); };
  for (int k = 0; k < n; ++k) {
    const Readiness& r = view.chapters[static_cast<std::size_t>(k)].readiness;
    const int x = plot.left() + k * slot;
    painter.fillRect(QRect(QPoint(x + slot / 4, yOf(r.chance)), QPoint(x + 3 * slot / 4, plot.bottom())), kBand);
    painter.setPen(QPen(kLine, 2));
    const int middle = x + slot / 2;
    painter.drawLine(middle, yOf(r.low), middle, yOf(r.high));
    painter.drawLine(middle - 5, yOf(r.low), middle + 5, yOf(r.low));
    painter.drawLine(middle - 5, yOf(r.high), middle + 5, yOf(r.high));
    painter.setPen(Qt::black);
    painter.drawText(QRect(x, plot.bottom() + 4, slot, painter.fontMetrics().height()), Qt::AlignHCenter,
                     QString::number(k + 1));
  }
}

}  // namespace

void paintProgressCharts(QPainter& painter, const QRect& area, const ProgressView& view) {
  painter.setRenderHint(QPainter::Antialiasing);
  const int third = area.height() / 3;
  drawChanceChart(painter, QRect(area.left(), area.top(), area.width(), third - 8), view);
  drawMarksChart(painter, QRect(area.left(), area.top() + third, area.width(), third - 8), view);
  drawReadinessChart(painter, QRect(area.left(), area.top() + 2 * third, area.width(), third - 8), view);
}

ProgressCharts::ProgressCharts(const ProgressView& view, QWidget* parent) : QWidget(parent), view_(view) {
  setMinimumSize(480, 480);
}

void ProgressCharts::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  paintProgressCharts(painter, rect().adjusted(8, 8, -8, -8), view_);
}

}  // namespace ventelle
