#pragma once
// The printer's current position over a PrintDevice, the way the printed
// documents write: a text printed at (x, y) either ends the line (x back to
// the left edge, y one line of that text down) or keeps it (x past the text).
//
// A measuring cursor moves and measures exactly like a drawing one but draws
// nothing, so a layout can be run dry to learn how tall it prints.
//
// A drawing cursor may keep its text above a page bottom: before a line that
// would cross it, the cursor has the document finish the page (footer, page
// number, page end) and goes on at the top of the next page, in the same font
// and column.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "print/print_device.h"

namespace ventelle {

class PrintCursor {
 public:
  explicit PrintCursor(PrintDevice& device);

  // A cursor at the same place, in the same font and unit, that draws
  // nothing and never breaks a page.
  PrintCursor measuring() const;
  bool isMeasuring() const { return measuring_; }

  void setUnit(PrintUnit unit);
  PrintUnit unit() const { return unit_; }
  // A length given in millimetres, in the current unit.
  double mm(double millimetres) const;
  double pageWidth() const { return device_->pageWidth(); }
  double pageHeight() const { return device_->pageHeight(); }

  const PrintFont& font() const { return font_; }
  void setFont(const PrintFont& font) { font_ = font; }
  void setSize(double points) { font_.size = points; }
  void setBold(bool bold) { font_.bold = bold; }
  void setUnderline(bool underline) { font_.underline = underline; }

  // Measured in the cursor's font. An empty text is one line high.
  double textWidth(std::string_view utf8) const;
  double textHeight(std::string_view utf8) const;

  // Prints at (x, y) and keeps the line.
  void print(std::string_view utf8);
  // The same over a white backing of the text's ink (see PrintDevice).
  void printOnWhite(std::string_view utf8);
  // Prints at (x, y) and ends the line.
  void printLine(std::string_view utf8 = {});

  void drawLine(double x1, double y1, double x2, double y2);
  void drawBox(double left, double top, double width, double height);
  void drawCircle(double centreX, double centreY, double radius);
  void drawPicture(double left, double top, double width, double height, const std::string& path);

  // Ends the page; the position goes back to the top-left corner.
  void endPage();
  // Pages ended so far by this cursor (measuring cursors end none).
  int pagesEnded() const { return pagesEnded_; }

  // From now on a text line that would reach below `bottom` first calls
  // finishPage (which prints the page's foot and ends it) and then goes on
  // at y = nextTop. The cursor's font and x come back after finishPage.
  void keepAbove(double bottom, double nextTop, std::function<void(PrintCursor&)> finishPage);
  void stopKeepingAbove() { guard_.reset(); }
  // Breaks the page, as above, unless `height` more fits above the bottom.
  // True when it broke the page.
  bool makeRoom(double height);

  // The integer's numeric print form: sign place (blank or "-"), digits,
  // trailing blank: " 12 ", "-3 ".
  static std::string numberText(int n);

  double x = 0;
  double y = 0;

 private:
  struct Guard {
    double bottom;
    double nextTop;
    std::function<void(PrintCursor&)> finishPage;
  };

  void applyFont() const;

  PrintDevice* device_;
  // The font last set on the device, shared with measuring copies so that
  // each cursor sets its own font again only when another one changed it.
  std::shared_ptr<std::optional<PrintFont>> deviceFont_;
  PrintFont font_;
  PrintUnit unit_ = PrintUnit::Millimetres;
  bool measuring_ = false;
  bool breaking_ = false;
  int pagesEnded_ = 0;
  std::optional<Guard> guard_;
};

}  // namespace ventelle
