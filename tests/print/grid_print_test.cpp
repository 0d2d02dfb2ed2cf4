#include <gtest/gtest.h>

#include "fakes/recording_print_device.h"
#include "print/print_job.h"

namespace ventelle {
namespace {

// The fake printer's "a" is 4 mm high at 10 points and "1" 2.8 mm wide at
// 14: a row is 4 + 6 + 5.6 / 5 mm high, its squares 6 mm below its letters.
constexpr double kRowPitch = 11.12;

RecordingPrintDevice printed(DocumentKind kind, int columns, int rows, std::vector<PrintedQuestion> questions = {},
                             bool federation = true, int copies = 1) {
  PrintJob job;
  job.kind = kind;
  job.copies = copies;
  job.questionnaire = {"QCM 2000", "- toutes questions -", columns, rows, federation, std::move(questions)};
  RecordingPrintDevice device;
  drawDocument(device, job);
  return device;
}

void expectNear(const std::vector<double>& drawn, const std::vector<double>& wanted) {
  ASSERT_EQ(drawn.size(), wanted.size());
  for (std::size_t j = 0; j < drawn.size(); ++j) EXPECT_NEAR(drawn[j], wanted[j], 0.01) << "value " << j;
}

// One-digit numbers are shifted by the width of "1" (2.8 mm) to end where
// two-digit ones do.
TEST(Grid, QuestionsRunDownEachColumnAndColumnsAre50MmApart) {
  for (const auto& [columns, rows] : {std::pair{2, 10}, {4, 15}}) {
    const auto device = printed(DocumentKind::AnswerSheets, columns, rows);
    EXPECT_EQ(device.boxes.size(), 5u * columns * rows);
    for (int c = 1; c <= columns; ++c) {
      const int head = (c - 1) * rows + 1;
      const auto number = device.find(" " + std::to_string(head) + " ").at(0);
      EXPECT_NEAR(number.x, (c - 1) * 50 + (head < 10 ? 7.8 : 5), 0.5) << head;
      EXPECT_NEAR(number.y, 74, 0.5) << head;
      EXPECT_NEAR(device.find(" " + std::to_string(head + rows - 1) + " ").at(0).y, 74 + (rows - 1) * kRowPitch, 0.5);
    }
  }
}

TEST(Grid, AnAnswerSheetHasItsFieldsLettersAndSquaresOnOnePageACopy) {
  const auto device = printed(DocumentKind::AnswerSheets, 2, 10, {}, true, 3);
  EXPECT_EQ(device.pagesEnded, 3);
  EXPECT_EQ(device.blankPagesEnded, 0);
  EXPECT_FALSE(device.drawnAfterLastPage());
  EXPECT_EQ(device.startingWith("Ventelle V 6.1").size(), 3u);
  EXPECT_TRUE(device.startingWith("Page").empty());
  const auto note = device.find("Note:             ").at(0);
  EXPECT_NEAR(note.x + 18 * 2, 185, 0.5);
  EXPECT_NEAR(note.y, device.find("Session                       ").at(0).y, 0.01);
  for (const auto& [field, x] : {std::pair{"Nom:", 10}, {"Prénom:", 70}}) {
    EXPECT_NEAR(device.find(field).at(0).x, x, 0.5) << field;
    EXPECT_NEAR(device.find(field).at(0).y, 45, 0.5) << field;
  }
  // Second column, first row: letters 6 mm apart over the squares.
  const auto letter = device.find("e").at(10);
  EXPECT_NEAR(letter.x, 50 + 16 + 24, 0.5);
  EXPECT_NEAR(letter.y, 70, 0.5);
  EXPECT_NEAR(device.boxes[10 * 5 + 4].left, 50 + 14 + 24, 0.5);
  EXPECT_NEAR(device.boxes[10 * 5 + 4].top, 74, 0.5);
}

TEST(Grid, TheCorrectionGridCrossesRightAnswersCirclesNeutralOnesAndShowsFederationPoints) {
  const std::vector<PrintedQuestion> questions = {
      {"", {}, {"a", "b", "c"}, {1, 0, -1}},  // squares 4 and 5 stay empty
      {"", {}, {"a", "b", "c", "d", "e"}, {0, 0, 2, -1, 1}},
  };
  const double secondRow = 80 + kRowPitch;  // the squares' bottom
  for (const bool federation : {true, false}) {
    SCOPED_TRACE(federation ? "FFVL" : "DGAC");
    const auto device = printed(DocumentKind::CorrectionGrid, 2, 10, questions, federation);
    EXPECT_EQ(device.pagesEnded, 1);
    EXPECT_TRUE(device.find("Note:             ").empty());
    const auto heading = device.find("Grille de Correction").at(0);
    EXPECT_NEAR(heading.y, 45, 0.5);
    EXPECT_NEAR(heading.x + 20 * 17 * 0.2 / 2, 95, 0.5);
    // A cross is both diagonals of its square, drawn from its left side.
    const std::vector<std::pair<double, double>> crosses = {{14, 80}, {26, secondRow}, {38, secondRow}};
    ASSERT_EQ(device.lines.size(), 2 * crosses.size());
    for (std::size_t i = 0; i < crosses.size(); ++i) {
      const auto [left, bottom] = crosses[i];
      const auto& down = device.lines[2 * i];
      const auto& up = device.lines[2 * i + 1];
      expectNear({down.x1, down.y1, down.x2, down.y2, up.x1, up.y1, up.x2, up.y2},
                 {left, bottom - 6, left + 6, bottom, left, bottom, left + 6, bottom - 6});
    }
    std::vector<double> circles;
    for (const auto& c : device.circles) circles.insert(circles.end(), {c.x, c.y, c.radius});
    expectNear(circles, {23, 77, 1.5, 17, secondRow - 3, 1.5, 23, secondRow - 3, 1.5});
    std::vector<std::string> points;
    for (const auto& t : device.texts) {
      EXPECT_EQ(t.onWhite, t.font.size == 5) << t.text;  // only the points read over the marks
      if (t.font.size == 5) points.push_back(t.text);
    }
    using Points = std::vector<std::string>;
    EXPECT_EQ(points, (federation ? Points{" 1 ", " 0 ", "-1 ", " 0 ", " 0 ", " 2 ", "-1 ", " 1 "} : Points{}));
    if (federation) expectNear({device.find(" 1 ").back().x, device.find(" 1 ").back().y}, {40, secondRow - 4});
    // The rows below keep their pitch after the small points.
    EXPECT_NEAR(device.find(" 3 ").at(0).y, 74 + 2 * kRowPitch, 0.01);
  }
}

}  // namespace
}  // namespace ventelle
