#include "print/page_routines.h"

#include <gtest/gtest.h>

#include <set>

#include "fakes/recording_print_device.h"
#include "print/paper_code.h"

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

TEST(PrintCursor, IntegersPrintWithTheirSignPlaceAndATrailingBlank) {
  EXPECT_EQ(PrintCursor::numberText(12) + PrintCursor::numberText(0) + PrintCursor::numberText(-3), " 12  0 -3 ");
}

// Blanks or commas, text, width (2 mm a character), lines.
TEST(Wrap, LinesBreakAtTheLastPlainBlankOrAfterTheCommaFollowingTheOverflow) {
  TenPointPage page;
  for (const auto& [commas, text, widthMm, lines] : {
           std::tuple{false, "un deux trois", 26, Lines{"un deux trois"}}, {false, "un deux trois", 20, {"un deux ", "trois"}},
           {false, "anticonstitutionnellement", 20, {"anticonsti", "tutionnell", "ement"}},  // wider than a line
           {false, "abc", 0, {"a", "b", "c"}}, {false, "abc de\u00A0fg", 14, {"abc ", "de\u00A0fg"}},  // a no-break blank
           {false, "éèàùçô", 8, {"éèàù", "çô"}}, {false, "éè", 0, {"é", "è"}}, {false, "", 20, {""}},
           {true, "12,15,4", 14, {"12,15,4"}}, {true, "101,102,103,104", 12, {"101,102,", "103,", "104"}},
           {true, "abcdefghij", 8, {"abcdefghij"}}, {true, "1,23456789", 8, {"1,", "23456789"}}}) {
    const auto views = commas ? wrapAtCommas(page.cursor, text, widthMm) : wrapAtBlanks(page.cursor, text, widthMm);
    EXPECT_EQ(Lines(views.begin(), views.end()), lines) << text << " in " << widthMm << " mm";
  }
}

TEST(PageRoutines, FooterWithItsPaperCodeSitsBottomRightAndThePageNumberBottomLeft) {
  TenPointPage page;
  printFooter(page.cursor, "7KQ2MX");
  printPageNumber(page.cursor, 3);
  ASSERT_EQ(page.device.texts.size(), 2u);
  const auto& [footer, number] = std::pair(page.device.texts[0], page.device.texts[1]);
  EXPECT_EQ(footer.text + "|" + number.text, "Ventelle V 6.1 - par l'équipe Ventelle - réf. 7KQ2MX|Page 3");
  EXPECT_EQ(footer.font, (PrintFont{8, false, false}));
  for (const auto& [got, wanted] : {std::pair{footer.x + page.device.textWidth(footer.text), 190.0}, {footer.y, 273.8},
                                    {number.x, 5}, {number.y, 273.8}, {footerZoneTop(page.cursor), 271.8}})
    EXPECT_NEAR(got, wanted, 0.01);
}

TEST(PageRoutines, ATextWiderThanThePageIsCentredLineByLine) {
  TenPointPage page;
  const std::string name = "Jean-Baptiste Marie de la Tour du Pin Chambly " + std::string(60, 'x');
  page.cursor.setSize(18);  // 3.6 mm a character: about 52 to the page
  printCentred(page.cursor, name);
  const auto& texts = page.device.texts;
  ASSERT_EQ(texts.size(), 3u);
  std::string printed;
  for (std::size_t i = 0; i < texts.size(); ++i) {
    EXPECT_NEAR(texts[i].x + texts[i].text.size() * 3.6 / 2, 95, 0.5) << texts[i].text;
    EXPECT_NEAR(texts[i].y, 7.2 * i, 0.01);
    printed += texts[i].text;
  }
  EXPECT_EQ(printed, "Jean-Baptiste Marie de la Tour du Pin Chambly" + std::string(60, 'x'));
}

// Papers printed by another version or on another machine must keep their
// codes: these values are fixed once and for all.
TEST(PaperCode, IsFixedForAGivenTextAndTellsCloseTextsApartInSixReadableCharacters) {
  EXPECT_EQ(paperCode("7\n3.150:2,1,3\n"), "FB7NF3");
  EXPECT_EQ(paperCode(""), "7X1FY1");
  std::set<std::string> codes;
  for (int answer = 1; answer <= 200; ++answer) {
    const std::string code = paperCode("7\n3.150:" + std::to_string(answer) + "\n");
    ASSERT_EQ(code.size(), 6u);
    EXPECT_EQ(code.find_first_of("ILOUilou"), std::string::npos) << code;
    codes.insert(code);
  }
  EXPECT_EQ(codes.size(), 200u);
}

}  // namespace
}  // namespace ventelle
