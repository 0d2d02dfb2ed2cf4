#include <gtest/gtest.h>

#include <set>

#include "fakes/recording_print_device.h"
#include "print/page_routines.h"
#include "print/paper_code.h"
#include "print/print_job.h"

namespace ventelle {
namespace {

using Lines = std::vector<std::string>;
using Text = RecordingPrintDevice::Text;

// The fake printer's 10-point lines are 4 mm high, 2 mm a character; the
// footer zone begins at 277 - 3.2 (its 8-point line) - 2. A grid row is
// 4 (its letters) + 6 (its squares) + 5.6 / 5 mm high.
constexpr double kFooterZoneTop = 271.8;
constexpr double kRowPitch = 11.12;

PrintedQuestion question(std::string text, PrintedPicture picture = {}) {
  return {std::move(text), std::move(picture), {"Oui", "Non", "Cela dépend du vent"}, {}};
}

RecordingPrintDevice printed(std::vector<PrintedQuestion> questions, DocumentKind kind = DocumentKind::Questionnaires,
                             int copies = 1, int columns = 2, int rows = 10, bool federation = true) {
  RecordingPrintDevice device;
  drawDocument(device, {kind, "", copies, {"QCM Parapente v2004 (FFVL)", "- brevet de pilote -", columns, rows,
                                           federation, std::move(questions), "7KQ2MX"}});
  return device;
}

double widthOf(const Text& t) { return RecordingPrintDevice().textWidth(t.text) * t.font.size / 10; }

void expectNear(const std::vector<double>& drawn, const std::vector<double>& wanted) {
  ASSERT_EQ(drawn.size(), wanted.size());
  for (std::size_t j = 0; j < drawn.size(); ++j) EXPECT_NEAR(drawn[j], wanted[j], 0.01) << "value " << j;
}

// The texts of each question but the page feet, label first, in print order.
std::vector<std::vector<Text>> byQuestion(const RecordingPrintDevice& device) {
  std::vector<std::vector<Text>> questions;
  for (const auto& t : device.texts) {
    if (t.text.starts_with("Question N°")) questions.emplace_back();
    if (!questions.empty() && t.font.size != 8) questions.back().push_back(t);
  }
  return questions;
}

// The question's text: its lines in the text column, joined.
std::string questionText(const std::vector<Text>& texts) {
  std::string text;
  for (const auto& t : texts) text += t.x == 57 ? t.text : "";
  return text;
}

// At 10 points the fake printer's characters are 2 mm wide and 4 mm high.
struct TenPointPage {
  TenPointPage() {
    cursor.setUnit(PrintUnit::Millimetres);
    cursor.setFont({10, false, false});
  }
  RecordingPrintDevice device;
  PrintCursor cursor{device};
};

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
  expectNear({footer.x + page.device.textWidth(footer.text), footer.y, number.x, number.y, footerZoneTop(page.cursor)},
             {190, 273.8, 5, 273.8, 271.8});
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

TEST(Questionnaire, AQuestionPrintsItsLabelTextAndAnswersInTheirColumns) {
  const auto device = printed({question("Qu'est-ce qu'un thermique ?"), question("Et un cumulus ?")});
  // x < 0: centred.
  for (const auto& [text, x, y, font] : {
           std::tuple{"Session                       ", 5, 9, PrintFont{10, true, true}},
           {"QCM Parapente v2004 (FFVL)", -1, 20, {20, true, true}}, {"- brevet de pilote -", -1, 28, {15, true, false}},
           {"Question N°1", 15, 40, {10, true, true}}, {"Qu'est-ce qu'un thermique ?", 57, 44, {10, true, false}},
           {"Réponse A :", 20, 49, {10, true, false}}, {"Cela dépend du vent", 47, 57, {10, false, false}},
           {"Question N°2", 15, 71, {10, true, true}}}) {  // 10 mm below the last answer
    const Text t = device.find(text).at(0);
    EXPECT_NEAR(x < 0 ? t.x + widthOf(t) / 2 : t.x, x < 0 ? 95 : x, 0.5) << text;
    EXPECT_NEAR(t.y, y, 0.5) << text;
    EXPECT_EQ(t.font, font) << text;
  }
}

TEST(Questionnaire, EveryPageEndsWithTheFooterItsPaperCodeAndItsNumberRestartingPerCopy) {
  const auto device = printed(std::vector<PrintedQuestion>(20, question("Quelle est la finesse max ?")),
                              DocumentKind::Questionnaires, 2);
  EXPECT_EQ(device.pagesEnded, 6);  // three pages a copy
  EXPECT_EQ(device.blankPagesEnded, 0);
  EXPECT_FALSE(device.drawnAfterLastPage());
  for (int page = 1; page <= 6; ++page) {
    const auto texts = device.textsOn(page);
    ASSERT_GE(texts.size(), 2u);
    EXPECT_EQ(texts[texts.size() - 2].text, "Ventelle V 6.1 - par l'équipe Ventelle - réf. 7KQ2MX") << page;
    EXPECT_EQ(texts.back().text, "Page " + std::to_string((page - 1) % 3 + 1));
  }
  EXPECT_EQ(device.find("Question N°1").at(1).page, 4);
}

// A question that fits is never split; a taller one runs on over the next
// pages; nothing, picture or text, reaches the footer.
TEST(Questionnaire, QuestionsBreakToANewPageBeforeTheFooter) {
  std::vector<PrintedQuestion> questions;
  for (int q = 0; q < 30; ++q) {
    std::string text = "Une question de longueur variable";
    for (int i = 0; i < q % 7; ++i) text += " avec encore quelques mots pour la rallonger";
    questions.push_back(question(text, q % 4 == 1 ? PrintedPicture{"image.jpg", 40, 36} : PrintedPicture{}));
  }
  std::string tall;
  for (int i = 0; i < 800; ++i) tall += "lorem ipsum ";
  questions.push_back(question(tall, {"p.jpg", 40, 36}));
  const auto device = printed(questions);
  ASSERT_GT(device.pagesEnded, 6);
  EXPECT_EQ(device.blankPagesEnded, 0);
  int page = 1;
  for (const auto& texts : byQuestion(device)) {
    if (texts.front().text != "Question N°31") EXPECT_EQ(texts.front().page, texts.back().page) << texts[0].text;
    for (const auto& t : texts) {
      if (t.page != page) EXPECT_NEAR(t.y, 15, 0.5) << "first on page " << t.page;
      page = t.page;
      EXPECT_LE(t.y + 4, kFooterZoneTop + 0.01) << t.text;
    }
  }
  for (const auto& p : device.pictures) EXPECT_LE(p.top + p.height, kFooterZoneTop);
  const auto last = byQuestion(device).back();
  EXPECT_EQ(questionText(last), tall);
  EXPECT_GE(last.back().page, last.front().page + 2);
  EXPECT_EQ(device.pagesEnded, last.back().page);
  // After seven short questions the picture of a tall one no longer fits on the first page.
  std::vector<PrintedQuestion> seven(7, question("Courte ?"));
  seven.push_back(question(tall, {"p.jpg", 40, 36}));
  EXPECT_EQ(byQuestion(printed(seven)).back().front().page, 2);
}

TEST(Questionnaire, TheTextAndTheAnswersStayClearOfThePicture) {
  // The label prints at 40 mm and the text from 44 mm.
  const std::string text = "Que montre ce profil " + std::string(70, 'x') + " ?";
  for (const auto& [picture, firstAnswerY] : {
           std::pair{PrintedPicture{"profil.jpg", 40, 30}, 71.0},  // answers below the picture
           {{"profil.jpg", 20, 10}, 61}, {{"profil.jpg", 150, 20}, 77},  // a small one keeps 21 mm; a wide one
           {{"", 40, 30}, 57}}) {                                        // has the text under it; no file, none
    const auto device = printed({question(text, picture)});
    const auto texts = byQuestion(device).at(0);
    EXPECT_EQ(questionText(texts), text);
    EXPECT_NEAR(device.find("Réponse A :").at(0).y, firstAnswerY, 0.5) << picture.widthMm;
    ASSERT_EQ(device.pictures.size(), picture.path.empty() ? 0u : 1u);
    for (const auto& p : device.pictures) {
      expectNear({p.left, p.top}, {190 - picture.widthMm - 9, picture.widthMm > 100 ? 44.0 : 40.0});
      for (const auto& t : texts)
        EXPECT_TRUE(t.x + widthOf(t) <= p.left || t.y + 4 <= p.top || t.y >= p.top + p.height) << t.text;
    }
  }
}

// One-digit numbers are shifted by the width of "1" (2.8 mm) to end where
// two-digit ones do.
TEST(Grid, QuestionsRunDownEachColumnAndColumnsAre50MmApart) {
  for (const auto& [columns, rows] : {std::pair{2, 10}, {4, 15}}) {
    const auto device = printed({}, DocumentKind::AnswerSheets, 1, columns, rows);
    EXPECT_EQ(device.boxes.size(), 5u * columns * rows);
    for (int c = 1; c <= columns; ++c) {
      const int head = (c - 1) * rows + 1;
      const auto number = device.find(" " + std::to_string(head) + " ").at(0);
      expectNear({number.x, number.y, device.find(" " + std::to_string(head + rows - 1) + " ").at(0).y},
                 {(c - 1) * 50 + (head < 10 ? 7.8 : 5), 74, 74 + (rows - 1) * kRowPitch});
    }
  }
}

TEST(Grid, AnAnswerSheetHasItsFieldsLettersAndSquaresOnOnePageACopy) {
  const auto device = printed({}, DocumentKind::AnswerSheets, 3);
  EXPECT_EQ(device.pagesEnded, 3);
  EXPECT_EQ(device.startingWith("Ventelle V 6.1").size(), 3u);
  EXPECT_TRUE(device.startingWith("Page").empty());
  const auto note = device.find("Note:             ").at(0);
  expectNear({note.x + 18 * 2, note.y}, {185, device.find("Session                       ").at(0).y});
  const auto name = device.find("Nom:").at(0), first = device.find("Prénom:").at(0);
  expectNear({name.x, name.y, first.x, first.y}, {10, 45, 70, 45});
  // Second column, first row: the letters 6 mm apart over the squares.
  const auto e = device.find("e").at(10);
  const auto& box = device.boxes[10 * 5 + 4];
  expectNear({e.x, e.y, box.left, box.top, box.width}, {50 + 16 + 24, 70, 50 + 14 + 24, 74, 6});
}

TEST(Grid, TheCorrectionGridCrossesRightAnswersCirclesNeutralOnesAndShowsFederationPoints) {
  const std::vector<PrintedQuestion> questions = {
      {"", {}, {"a", "b", "c"}, {1, 0, -1}},  // squares 4 and 5 stay empty
      {"", {}, {"a", "b", "c", "d", "e"}, {0, 0, 2, -1, 1}},
  };
  const double second = 80 + kRowPitch;  // the second row's squares' bottom
  for (const bool federation : {true, false}) {
    SCOPED_TRACE(federation ? "FFVL" : "DGAC");
    const auto device = printed(questions, DocumentKind::CorrectionGrid, 1, 2, 10, federation);
    EXPECT_TRUE(device.find("Note:             ").empty());
    const auto heading = device.find("Grille de Correction").at(0);
    expectNear({heading.x + 20 * 17 * 0.2 / 2, heading.y}, {95, 45});
    // A cross is both diagonals of its square, drawn from its left side.
    std::vector<double> crosses, circles;
    for (const auto& l : device.lines) crosses.insert(crosses.end(), {l.x1, l.y1, l.x2, l.y2});
    expectNear(crosses, {14, 74, 20, 80, 14, 80, 20, 74, 26, second - 6, 32, second, 26, second, 32, second - 6,
                         38, second - 6, 44, second, 38, second, 44, second - 6});
    for (const auto& c : device.circles) circles.insert(circles.end(), {c.x, c.y, c.radius});
    expectNear(circles, {23, 77, 1.5, 17, second - 3, 1.5, 23, second - 3, 1.5});
    std::vector<std::string> points;
    for (const auto& t : device.texts) {
      EXPECT_EQ(t.onWhite, t.font.size == 5) << t.text;  // only the points read over the marks
      if (t.font.size == 5) points.push_back(t.text);
    }
    using Points = std::vector<std::string>;
    EXPECT_EQ(points, (federation ? Points{" 1 ", " 0 ", "-1 ", " 0 ", " 0 ", " 2 ", "-1 ", " 1 "} : Points{}));
    if (federation) expectNear({device.find(" 1 ").back().x, device.find(" 1 ").back().y}, {40, second - 4});
    // The rows below keep their pitch after the small points.
    EXPECT_NEAR(device.find(" 3 ").at(0).y, 74 + 2 * kRowPitch, 0.01);
  }
}

// In twips the fake printer's lines are 22.68 twips per point high and its
// characters 11.34 per point wide: at 12 points a list line is 272.16 high,
// and 70 characters fit in the 10773 - 1200 twips a list may take.
constexpr double kLine12 = 12 * 22.68;
constexpr double kReportFooterZoneTop = 15705.9 - 8 * 22.68 - 2 * 56.7;

RecordingPrintDevice printed(PrintedErrorReport report) {
  RecordingPrintDevice device;
  drawDocument(device, {DocumentKind::ErrorReport, "", 1, {}, std::move(report)});
  return device;
}

TEST(ErrorReportPrint, TheHeadingsThenEachChapterNameOverItsList) {
  for (const std::string subtitle : {"- Brevet de Pilote -", ""}) {
    const auto device = printed({"Utilisateur par defaut", "Parapente 2004", subtitle,
                                 {"Meteorologie", "Aerologie", "Materiel"}, {"12,15", "", "4"}});
    const auto user = device.find("Utilisateur par defaut").at(0);
    EXPECT_EQ(user.font, (PrintFont{18, true, true}));
    EXPECT_NEAR(user.y, 3 * 18 * 22.68, 28);  // under three empty lines
    const auto title = device.find("Historique des erreurs sur le QCM Parapente 2004").at(0);
    EXPECT_NEAR(title.y, user.y + 18 * 22.68 + 3 * 14 * 22.68, 28);
    // A chapter without mistakes keeps an empty line under its name.
    const double first = title.y + (subtitle.empty() ? 2 : 3) * 14 * 22.68;
    for (const auto& [text, line, bold] : {std::tuple{"Meteorologie", 0, true}, {"12,15", 1, false},
                                           {"Aerologie", 2, true}, {"Materiel", 4, true}, {"4", 5, false}}) {
      const auto t = device.find(text).at(0);
      EXPECT_NEAR(t.x, 480, 0.01) << text;
      EXPECT_NEAR(t.y, first + line * kLine12, 28) << text;
      EXPECT_EQ(t.font, (PrintFont{12, bold, false})) << text;
    }
  }
}

// 15 names a line: the first list takes 42 lines, which leaves the last
// line of page 1 to the second chapter's name alone.
TEST(ErrorReportPrint, AListWrapsAfterACommaAndBreaksBeforeTheFooterWithItsChapterName) {
  const auto listOf = [](int k) {
    std::string list = std::to_string(k * 1000);
    for (int i = 1; i < (k == 1 ? 625 : 500); ++i) list += "," + std::to_string(k * 1000 + i);
    return list;
  };
  PrintedErrorReport report{"Paul", "2000", "", {}, {}};
  for (int k = 1; k <= 9; ++k) {
    report.chapterNames.push_back("Chapitre " + std::to_string(k));
    report.lines.push_back(listOf(k));
  }
  report.chapterNames.push_back("Sans virgule");
  report.lines.push_back(std::string(90, '7'));
  const auto device = printed(report);
  ASSERT_GE(device.pagesEnded, 3);  // each with its texts, so none blank
  EXPECT_FALSE(device.drawnAfterLastPage());
  EXPECT_TRUE(device.startingWith("Page").empty());
  EXPECT_EQ(device.find("Chapitre 2").at(0).page, 2);
  EXPECT_EQ(device.find(std::string(90, '7')).size(), 1u);  // a list without a comma prints whole
  std::vector<std::string> lists(9);
  int chapter = 0;
  for (int page = 1; page <= device.pagesEnded; ++page) {
    const auto texts = device.textsOn(page);
    ASSERT_GE(texts.size(), 3u);
    EXPECT_EQ(texts.back().text, "Ventelle V 6.1 - par l'équipe Ventelle");
    if (page > 1) EXPECT_NEAR(texts.front().y, 15 * 56.7, 28) << page;
    for (std::size_t i = 0; i + 1 < texts.size(); ++i) {
      const auto& t = texts[i];
      EXPECT_LE(t.y + t.font.size * 22.68, kReportFooterZoneTop + 0.01) << t.text;
      if (t.text.starts_with("Chapitre")) {
        ++chapter;
        EXPECT_NE(texts[i + 1].font.size, 8) << t.text;  // followed on its page by its list
      } else if (!t.font.bold && t.text.size() < 90) {
        lists[chapter - 1] += t.text;
        EXPECT_NEAR(t.x, 480, 0.01);
        EXPECT_LE(t.text.size(), 70u + 5) << t.text;  // at most one name and its comma beyond
        EXPECT_TRUE(t.text.back() == ',' || lists[chapter - 1] == listOf(chapter)) << t.text;
      }
    }
  }
  for (int k = 1; k <= 9; ++k) EXPECT_EQ(lists[k - 1], listOf(k)) << k;
}

}  // namespace
}  // namespace ventelle
