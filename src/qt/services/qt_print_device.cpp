#include "qt/services/qt_print_device.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPen>
#include <QString>

namespace ventelle {
namespace {

constexpr double kMillimetresPerInch = 25.4;
constexpr double kTwipsPerInch = 1440;
// Thin enough for grid lines, thick enough to show on paper.
constexpr double kPenWidthMm = 0.2;
// White left around the ink of a text printed over lines.
constexpr double kBackingMarginMm = 0.2;

QString toQString(std::string_view utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

// "Arial" as the printed documents ask for it, or its metric twin where Arial
// itself is not installed.
QFont printFont(const PrintFont& font) {
  QFont result;
  result.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
  result.setPointSizeF(font.size);
  result.setBold(font.bold);
  result.setUnderline(font.underline);
  return result;
}

}  // namespace

QtPrintDevice::QtPrintDevice(QPagedPaintDevice& device, QPainter& painter)
    : device_(device), painter_(painter), font_(printFont({})) {
  QPen pen(Qt::black);
  pen.setWidthF(kPenWidthMm * device_.logicalDpiX() / kMillimetresPerInch);
  painter_.setPen(pen);
  painter_.setBrush(Qt::NoBrush);
  painter_.setFont(font_);
}

double QtPrintDevice::pixelsPerUnitX() const {
  return device_.logicalDpiX() / (unit_ == PrintUnit::Millimetres ? kMillimetresPerInch : kTwipsPerInch);
}

double QtPrintDevice::pixelsPerUnitY() const {
  return device_.logicalDpiY() / (unit_ == PrintUnit::Millimetres ? kMillimetresPerInch : kTwipsPerInch);
}

QPointF QtPrintDevice::toDevice(double x, double y) const { return {x * pixelsPerUnitX(), y * pixelsPerUnitY()}; }

double QtPrintDevice::pageWidth() const { return device_.width() / pixelsPerUnitX(); }

double QtPrintDevice::pageHeight() const { return device_.height() / pixelsPerUnitY(); }

void QtPrintDevice::setFont(const PrintFont& font) {
  font_ = printFont(font);
  painter_.setFont(font_);
}

double QtPrintDevice::textWidth(std::string_view utf8) const {
  return QFontMetricsF(font_, &device_).horizontalAdvance(toQString(utf8)) / pixelsPerUnitX();
}

double QtPrintDevice::textHeight(std::string_view) const {
  return QFontMetricsF(font_, &device_).lineSpacing() / pixelsPerUnitY();
}

void QtPrintDevice::drawText(double x, double y, std::string_view utf8) {
  openPage();
  const double ascent = QFontMetricsF(font_, &device_).ascent();
  painter_.drawText(toDevice(x, y) + QPointF(0, ascent), toQString(utf8));
}

void QtPrintDevice::drawTextOnWhite(double x, double y, std::string_view utf8) {
  openPage();
  const QFontMetricsF metrics(font_, &device_);
  const QString text = toQString(utf8);
  const QPointF baseline = toDevice(x, y) + QPointF(0, metrics.ascent());
  const double marginX = kBackingMarginMm * device_.logicalDpiX() / kMillimetresPerInch;
  const double marginY = kBackingMarginMm * device_.logicalDpiY() / kMillimetresPerInch;
  // The blanks around the characters take no backing: measured with them,
  // the box would reach across the blank's width.
  const QString inked = text.trimmed();
  if (!inked.isEmpty()) {
    const double lead = metrics.horizontalAdvance(text.left(text.indexOf(inked)));
    const QRectF ink = metrics.tightBoundingRect(inked).translated(baseline + QPointF(lead, 0));
    painter_.fillRect(ink.adjusted(-marginX, -marginY, marginX, marginY), Qt::white);
  }
  painter_.drawText(baseline, text);
}

void QtPrintDevice::drawLine(double x1, double y1, double x2, double y2) {
  openPage();
  painter_.drawLine(toDevice(x1, y1), toDevice(x2, y2));
}

void QtPrintDevice::drawBox(double left, double top, double width, double height) {
  openPage();
  painter_.drawRect(QRectF(toDevice(left, top), toDevice(left + width, top + height)));
}

void QtPrintDevice::drawCircle(double centreX, double centreY, double radius) {
  openPage();
  painter_.drawEllipse(toDevice(centreX, centreY), radius * pixelsPerUnitX(), radius * pixelsPerUnitY());
}

bool QtPrintDevice::drawPicture(double left, double top, double width, double height, const std::string& path) {
  const QImage picture(QString::fromStdString(path));
  if (picture.isNull()) return false;
  openPage();
  painter_.drawImage(QRectF(toDevice(left, top), toDevice(left + width, top + height)), picture);
  return true;
}

void QtPrintDevice::endPage() { ++endedPages_; }

void QtPrintDevice::openPage() {
  for (; endedPages_ > 0; --endedPages_) device_.newPage();
}

}  // namespace ventelle
