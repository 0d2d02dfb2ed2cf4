#pragma once
#include <QFont>
#include <QPagedPaintDevice>
#include <QPainter>

#include "print/print_device.h"

namespace ventelle {

// A printer page seen through a painter already begun on it (a QPrinter, a
// QPdfWriter or a print preview). Positions convert to device pixels from the
// device's resolution; the painter itself is never scaled, so point sizes keep
// their size on paper, and text is measured with the device's own metrics.
class QtPrintDevice : public PrintDevice {
 public:
  QtPrintDevice(QPagedPaintDevice& device, QPainter& painter);

  void setUnit(PrintUnit unit) override { unit_ = unit; }
  double pageWidth() const override;
  double pageHeight() const override;

  void setFont(const PrintFont& font) override;
  double textWidth(std::string_view utf8) const override;
  double textHeight(std::string_view utf8) const override;
  void drawText(double x, double y, std::string_view utf8) override;
  void drawTextOnWhite(double x, double y, std::string_view utf8) override;

  void drawLine(double x1, double y1, double x2, double y2) override;
  void drawBox(double left, double top, double width, double height) override;
  void drawCircle(double centreX, double centreY, double radius) override;
  bool drawPicture(double left, double top, double width, double height, const std::string& path) override;

  void endPage() override;

 private:
  double pixelsPerUnitX() const;
  double pixelsPerUnitY() const;
  QPointF toDevice(double x, double y) const;
  // Opens the pages ended since the last drawing, so that ending the last
  // page leaves no blank page behind.
  void openPage();

  QPagedPaintDevice& device_;
  QPainter& painter_;
  PrintUnit unit_ = PrintUnit::Millimetres;
  QFont font_;
  int endedPages_ = 0;
};

}  // namespace ventelle
