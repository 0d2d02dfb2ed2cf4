#pragma once
// The printer as the printed documents see it: a page of known printable
// size, measured in millimetres or in twips from the top-left corner of the
// printable area, with "Arial" text, lines, boxes, circles and pictures.
#include <string>
#include <string_view>

namespace ventelle {

enum class PrintUnit { Millimetres, Twips };

struct PrintFont {
  double size = 10;  // points
  bool bold = false;
  bool underline = false;
  bool operator==(const PrintFont&) const = default;
};

class PrintDevice {
 public:
  virtual ~PrintDevice() = default;

  // Every position and size after this call is in that unit.
  virtual void setUnit(PrintUnit unit) = 0;
  // The printable width and height.
  virtual double pageWidth() const = 0;
  virtual double pageHeight() const = 0;

  virtual void setFont(const PrintFont& font) = 0;
  // Measured in the current font.
  virtual double textWidth(std::string_view utf8) const = 0;
  virtual double textHeight(std::string_view utf8) const = 0;
  // The text with its top-left corner at (x, y), underlined when the font is.
  virtual void drawText(double x, double y, std::string_view utf8) = 0;
  // The same text over a white backing that covers its characters' ink and
  // a hair around it, not its whole line: it reads over lines drawn before
  // it, and shapes near it stay in view.
  virtual void drawTextOnWhite(double x, double y, std::string_view utf8) = 0;

  virtual void drawLine(double x1, double y1, double x2, double y2) = 0;
  // The outline of a rectangle.
  virtual void drawBox(double left, double top, double width, double height) = 0;
  virtual void drawCircle(double centreX, double centreY, double radius) = 0;
  // A picture file scaled to that size; false when it cannot be read.
  virtual bool drawPicture(double left, double top, double width, double height, const std::string& path) = 0;

  // Ends the page: what follows goes on a new one. A document whose last
  // page is ended has no blank page after it.
  virtual void endPage() = 0;
};

}  // namespace ventelle
