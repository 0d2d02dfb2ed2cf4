#pragma once
// A printer that records what each page shows, with simple metrics: a text
// is 0.2 mm per character per point wide and 0.4 mm per point high (in
// twips, 56.7 times that), on a 190 x 277 mm printable area.
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "print/print_device.h"

namespace ventelle {

class RecordingPrintDevice : public PrintDevice {
 public:
  struct Text { int page; double x, y; std::string text; PrintFont font; bool onWhite = false; };
  struct Line { int page; double x1, y1, x2, y2; };
  struct Box { int page; double left, top, width, height; };
  struct Circle { int page; double x, y, radius; };
  struct Picture { int page; double left, top, width, height; std::string path; };

  void setUnit(PrintUnit unit) override { scale_ = unit == PrintUnit::Twips ? 56.7 : 1; }
  double pageWidth() const override { return 190 * scale_; }
  double pageHeight() const override { return 277 * scale_; }
  void setFont(const PrintFont& font) override { font_ = font; }
  double textWidth(std::string_view utf8) const override {
    return static_cast<double>(characters(utf8)) * font_.size * 0.2 * scale_;
  }
  double textHeight(std::string_view) const override { return font_.size * 0.4 * scale_; }
  void drawText(double x, double y, std::string_view utf8) override {
    drawn(texts, Text{page(), x, y, std::string(utf8), font_});
  }
  void drawTextOnWhite(double x, double y, std::string_view utf8) override {
    drawn(texts, Text{page(), x, y, std::string(utf8), font_, true});
  }
  void drawLine(double x1, double y1, double x2, double y2) override { drawn(lines, Line{page(), x1, y1, x2, y2}); }
  void drawBox(double left, double top, double width, double height) override {
    drawn(boxes, Box{page(), left, top, width, height});
  }
  void drawCircle(double x, double y, double radius) override { drawn(circles, Circle{page(), x, y, radius}); }
  bool drawPicture(double left, double top, double width, double height, const std::string& path) override {
    drawn(pictures, Picture{page(), left, top, width, height, path});
    return true;
  }
  void endPage() override {
    ++pagesEnded;
    blankPagesEnded += drawn_ ? 0 : 1;
    drawn_ = false;
  }

  // True while something has been drawn since the last page ended.
  bool drawnAfterLastPage() const { return drawn_; }

  // The texts of one page (1-based), or those that are or start with a
  // text, in the order they were drawn.
  std::vector<Text> textsOn(int onPage) const { return select([&](const Text& t) { return t.page == onPage; }); }
  std::vector<Text> find(std::string_view text) const { return select([&](const Text& t) { return t.text == text; }); }
  std::vector<Text> startingWith(std::string_view prefix) const {
    return select([&](const Text& t) { return t.text.starts_with(prefix); });
  }

  std::vector<Text> texts;
  std::vector<Line> lines;
  std::vector<Box> boxes;
  std::vector<Circle> circles;
  std::vector<Picture> pictures;
  int pagesEnded = 0;
  int blankPagesEnded = 0;

 private:
  template <typename Keep>
  std::vector<Text> select(Keep keep) const {
    std::vector<Text> found;
    for (const auto& t : texts)
      if (keep(t)) found.push_back(t);
    return found;
  }
  static std::size_t characters(std::string_view utf8) {
    std::size_t n = 0;
    for (const char c : utf8) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
  }
  int page() const { return pagesEnded + 1; }
  template <typename List, typename Item>
  void drawn(List& list, Item item) {
    list.push_back(std::move(item));
    drawn_ = true;
  }

  double scale_ = 1;
  PrintFont font_;
  bool drawn_ = false;
};

}  // namespace ventelle
