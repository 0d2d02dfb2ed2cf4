#include "print/page_routines.h"

#include <gtest/gtest.h>

#include <numeric>

#include "fakes/recording_print_device.h"

namespace ventelle {
namespace {

using Lines = std::vector<std::string>;

// At 10 points the fake printer's characters are 2 mm wide and 4 mm high.
struct TenPointPage {
  TenPointPage() {
    cursor.setUnit(PrintUnit::Millimetres);
    cursor.setFont({10, false, false});
  }
  RecordingPrintDevice device;
  PrintCursor cursor{device};
};

std::string joined(const Lines& lines) { return std::accumulate(lines.begin(), lines.end(), std::string()); }

TEST(PrintCursor, IntegersPrintWithTheirSignPlaceAndATrailingBlank) {
  EXPECT_EQ(PrintCursor::numberText(12), " 12 ");
  EXPECT_EQ(PrintCursor::numberText(0), " 0 ");
  EXPECT_EQ(PrintCursor::numberText(-3), "-3 ");
}

struct WrapRow {
  std::string why;
  std::string text;
  double widthMm;  // 2 mm a character
  Lines lines;
};

TEST(WrapAtBlanks, LinesBreakAtTheLastPlainBlankAndJoinBackIntoTheText) {
  const std::vector<WrapRow> rows = {
      {"fits", "un deux trois", 26, {"un deux trois"}},
      {"last blank before the overflow", "un deux trois", 20, {"un deux ", "trois"}},
      {"word wider than the line", "anticonstitutionnellement", 20, {"anticonsti", "tutionnell", "ement"}},
      {"no room at all", "abc", 0, {"a", "b", "c"}},
      {"a non-breaking blank holds", "abc de\u00A0fg", 14, {"abc ", "de\u00A0fg"}},
      {"accented letters stay whole", "éèàùçô", 8, {"éèàù", "çô"}},
      {"no room for an accented letter", "éè", 0, {"é", "è"}},
      {"empty text", "", 20, {""}},
  };
  TenPointPage page;
  for (const auto& row : rows) {
    SCOPED_TRACE(row.why);
    const auto views = wrapAtBlanks(page.cursor, row.text, row.widthMm);
    const Lines lines(views.begin(), views.end());
    EXPECT_EQ(lines, row.lines);
    EXPECT_EQ(joined(lines), row.text);
  }
}

TEST(WrapAtCommas, LinesEndAfterTheCommaFollowingTheOverflow) {
  const std::vector<WrapRow> rows = {
      {"fits", "12,15,4", 14, {"12,15,4"}},
      // "101,102" overflows on its "2": the line ends one item beyond.
      {"comma after the overflow", "101,102,103,104", 12, {"101,102,", "103,", "104"}},
      {"no comma at all", "abcdefghij", 8, {"abcdefghij"}},
      {"no comma left", "1,23456789", 8, {"1,", "23456789"}},
  };
  TenPointPage page;
  for (const auto& row : rows) {
    SCOPED_TRACE(row.why);
    const auto views = wrapAtCommas(page.cursor, row.text, row.widthMm);
    EXPECT_EQ(Lines(views.begin(), views.end()), row.lines);
  }
}

TEST(PageRoutines, FooterSitsBottomRightAndThePageNumberBottomLeft) {
  TenPointPage page;
  printFooter(page.cursor);
  printPageNumber(page.cursor, 3);
  ASSERT_EQ(page.device.texts.size(), 2u);
  const auto& footer = page.device.texts[0];
  EXPECT_EQ(footer.text, "Ventelle V 6.1 - par l'équipe Ventelle");
  EXPECT_EQ(footer.font, (PrintFont{8, false, false}));
  EXPECT_NEAR(footer.x + page.device.textWidth(footer.text), 190, 0.5);
  EXPECT_NEAR(footer.y, 277 - 3.2, 0.5);
  const auto& number = page.device.texts[1];
  EXPECT_EQ(number.text, "Page 3");
  EXPECT_NEAR(number.x, 5, 0.5);
  EXPECT_NEAR(number.y, 277 - 3.2, 0.5);
  EXPECT_NEAR(footerZoneTop(page.cursor), 277 - 3.2 - 2, 0.01);
}

TEST(PageRoutines, APaperCodeEndsTheFooterStillFlushRight) {
  TenPointPage page;
  printFooter(page.cursor, "7KQ2MX");
  ASSERT_EQ(page.device.texts.size(), 1u);
  const auto& footer = page.device.texts[0];
  EXPECT_EQ(footer.text, "Ventelle V 6.1 - par l'équipe Ventelle - réf. 7KQ2MX");
  EXPECT_NEAR(footer.x + page.device.textWidth(footer.text), 190, 0.5);
}

TEST(PageRoutines, ATextWiderThanThePageIsCentredLineByLine) {
  TenPointPage page;
  printCentred(page.cursor, "Titre");
  const std::string name = "Jean-Baptiste Marie de la Tour du Pin Chambly " + std::string(60, 'x');
  page.cursor.setSize(18);  // 3.6 mm a character: about 52 to the page
  printCentred(page.cursor, name);

  const auto& texts = page.device.texts;
  ASSERT_GE(texts.size(), 4u);
  EXPECT_NEAR(texts[0].x, 95 - 5, 0.5);
  EXPECT_NEAR(texts[1].y, 4, 0.5);
  std::string printed;
  for (std::size_t i = 1; i < texts.size(); ++i) {
    const double width = texts[i].text.size() * 3.6;
    EXPECT_NEAR(texts[i].x + width / 2, 95, 0.5) << texts[i].text;
    EXPECT_GE(texts[i].x, 0);
    EXPECT_NEAR(texts[i].y, 4 + 7.2 * (i - 1), 0.01);
    printed += texts[i].text;
  }
  EXPECT_EQ(printed, "Jean-Baptiste Marie de la Tour du Pin Chambly" + std::string(60, 'x'));
}

}  // namespace
}  // namespace ventelle
