#include "print/print_cursor.h"

#include <utility>

namespace ventelle {
namespace {

constexpr double kTwipsPerMm = 56.7;

}  // namespace

PrintCursor::PrintCursor(PrintDevice& device)
    : device_(&device), deviceFont_(std::make_shared<std::optional<PrintFont>>()) {}

PrintCursor PrintCursor::measuring() const {
  PrintCursor copy = *this;
  copy.measuring_ = true;
  copy.guard_.reset();
  return copy;
}

void PrintCursor::setUnit(PrintUnit unit) {
  unit_ = unit;
  device_->setUnit(unit);
}

double PrintCursor::mm(double millimetres) const {
  return unit_ == PrintUnit::Twips ? millimetres * kTwipsPerMm : millimetres;
}

void PrintCursor::applyFont() const {
  if (*deviceFont_ == font_) return;
  device_->setFont(font_);
  *deviceFont_ = font_;
}

double PrintCursor::textWidth(std::string_view utf8) const {
  applyFont();
  return device_->textWidth(utf8);
}

double PrintCursor::textHeight(std::string_view utf8) const {
  applyFont();
  return device_->textHeight(utf8.empty() ? std::string_view("A") : utf8);
}

void PrintCursor::print(std::string_view utf8) {
  makeRoom(textHeight(utf8));
  if (!measuring_) {
    applyFont();
    device_->drawText(x, y, utf8);
  }
  x += textWidth(utf8);
}

void PrintCursor::printOnWhite(std::string_view utf8) {
  makeRoom(textHeight(utf8));
  if (!measuring_) {
    applyFont();
    device_->drawTextOnWhite(x, y, utf8);
  }
  x += textWidth(utf8);
}

void PrintCursor::printLine(std::string_view utf8) {
  const double height = textHeight(utf8);
  makeRoom(height);
  if (!measuring_ && !utf8.empty()) {
    applyFont();
    device_->drawText(x, y, utf8);
  }
  x = 0;
  y += height;
}

void PrintCursor::drawLine(double x1, double y1, double x2, double y2) {
  if (!measuring_) device_->drawLine(x1, y1, x2, y2);
}

void PrintCursor::drawBox(double left, double top, double width, double height) {
  if (!measuring_) device_->drawBox(left, top, width, height);
}

void PrintCursor::drawCircle(double centreX, double centreY, double radius) {
  if (!measuring_) device_->drawCircle(centreX, centreY, radius);
}

void PrintCursor::drawPicture(double left, double top, double width, double height, const std::string& path) {
  if (!measuring_) device_->drawPicture(left, top, width, height, path);
}

void PrintCursor::endPage() {
  if (!measuring_) {
    device_->endPage();
    ++pagesEnded_;
  }
  x = 0;
  y = 0;
}

void PrintCursor::keepAbove(double bottom, double nextTop, std::function<void(PrintCursor&)> finishPage) {
  guard_ = Guard{bottom, nextTop, std::move(finishPage)};
}

bool PrintCursor::makeRoom(double height) {
  if (!guard_ || breaking_ || y + height <= guard_->bottom) return false;
  const PrintFont font = font_;
  const double column = x;
  breaking_ = true;
  guard_->finishPage(*this);
  breaking_ = false;
  font_ = font;
  x = column;
  y = guard_->nextTop;
  return true;
}

std::string PrintCursor::numberText(int n) {
  return (n < 0 ? "-" : " ") + std::to_string(n < 0 ? -static_cast<long long>(n) : n) + " ";
}

}  // namespace ventelle
