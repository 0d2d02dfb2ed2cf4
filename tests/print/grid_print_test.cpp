#include <gtest/gtest.h>

#include "fakes/recording_print_device.h"
#include "print/print_job.h"

namespace ventelle {
namespace {

// The fake printer's "a" is 4 mm high at 10 points and "1" 2.8 mm wide at
// 14: a row is 4 + 6 + 5.6 / 5 mm high, its squares 6 mm below its letters.
constexpr double kRowPitch = 11.12;
constexpr double kFirstSquaresTop = 74;

PrintJob gridJob(DocumentKind kind, int columns, int rows, std::vector<PrintedQuestion> questions = {}) {
  PrintJob job;
  job.kind = kind;
  job.questionnaire = {"QCM 2000", "- toutes questions -", columns, rows, true, std::move(questions)};
  return job;
}

RecordingPrintDevice printed(const PrintJob& job) {
  RecordingPrintDevice device;
  drawDocument(device, job);
  return device;
}

// One-digit numbers are shifted by the width of "1" (2.8 mm) to end where
// two-digit ones do.
TEST(Grid, QuestionsRunDownEachColumnAndColumnsAre50MmApart) {
  struct Shape {
    int columns, rows;
  };
  for (const Shape shape : {Shape{2, 10}, Shape{3, 10}, Shape{4, 10}, Shape{4, 15}}) {
    SCOPED_TRACE(shape.columns * shape.rows);
    const auto device = printed(gridJob(DocumentKind::AnswerSheets, shape.columns, shape.rows));
    EXPECT_EQ(device.boxes.size(), 5u * shape.columns * shape.rows);
    EXPECT_EQ(device.pagesEnded, 1);
    for (int c = 1; c <= shape.columns; ++c) {
      const double x0 = (c - 1) * 50;
      const int head = (c - 1) * shape.rows + 1;
      const auto number = device.find(" " + std::to_string(head) + " ").at(0);
      EXPECT_NEAR(number.x, x0 + (head < 10 ? 7.8 : 5), 0.5) << head;
      EXPECT_NEAR(number.y, 70 + 4, 0.5) << head;
      const int last = head + shape.rows - 1;
      EXPECT_NEAR(device.find(" " + std::to_string(last) + " ").at(0).y, 74 + (shape.rows - 1) * kRowPitch, 0.5);
    }
  }
}

TEST(Grid, AnAnswerSheetHasItsFieldsLettersNumbersAndSquares) {
  auto job = gridJob(DocumentKind::AnswerSheets, 2, 10);
  job.copies = 3;
  const auto device = printed(job);

  EXPECT_EQ(device.pagesEnded, 3);
  EXPECT_EQ(device.blankPagesEnded, 0);
  EXPECT_FALSE(device.drawnAfterLastPage());
  EXPECT_EQ(device.startingWith("Ventelle V 6.1").size(), 3u);
  EXPECT_TRUE(device.startingWith("Page").empty());

  const auto note = device.find("Note:             ").at(0);
  EXPECT_NEAR(note.x + 18 * 2, 185, 0.5);
  EXPECT_NEAR(note.y, device.find("Session                       ").at(0).y, 0.01);
  const auto name = device.find("Nom:").at(0);
  EXPECT_NEAR(name.x, 10, 0.5);
  EXPECT_NEAR(name.y, 45, 0.5);
  EXPECT_EQ(name.font.size, 13);
  EXPECT_NEAR(device.find("Prénom:").at(0).x, 70, 0.5);
  EXPECT_NEAR(device.find("Prénom:").at(0).y, 45, 0.5);

  // Second column, first row: letters 6 mm apart over the squares.
  const std::string letters = "abcde";
  for (int i = 0; i < 5; ++i) {
    const auto letter = device.find(letters.substr(i, 1)).at(10);
    EXPECT_NEAR(letter.x, 50 + 16 + 6 * i, 0.5);
    EXPECT_NEAR(letter.y, 70, 0.5);
    EXPECT_EQ(letter.font, (PrintFont{10, false, false}));
    const auto& box = device.boxes[10 * 5 + i];
    EXPECT_NEAR(box.left, 50 + 14 + 6 * i, 0.5);
    EXPECT_NEAR(box.top, kFirstSquaresTop, 0.5);
    EXPECT_NEAR(box.width, 6, 0.01);
  }
}

TEST(Grid, TheCorrectionGridMarksEachAnswerByItsPoints) {
  const std::vector<PrintedQuestion> questions = {
      {"", {}, {"a", "b", "c"}, {1, 0, -1}},  // squares 4 and 5 stay empty
      {"", {}, {"a", "b", "c", "d", "e"}, {0, 0, 2, -1, 1}},
  };
  for (const bool federation : {true, false}) {
    SCOPED_TRACE(federation ? "FFVL" : "DGAC");
    auto job = gridJob(DocumentKind::CorrectionGrid, 2, 10, questions);
    job.questionnaire.federationExam = federation;
    const auto device = printed(job);

    EXPECT_EQ(device.pagesEnded, 1);
    EXPECT_TRUE(device.find("Note:             ").empty());
    const auto heading = device.find("Grille de Correction").at(0);
    EXPECT_NEAR(heading.y, 45, 0.5);
    EXPECT_NEAR(heading.x + 20 * 17 * 0.2 / 2, 95, 0.5);

    // A cross is both diagonals of its square, drawn from its left side.
    const double secondRow = kFirstSquaresTop + 6 + kRowPitch;
    const std::vector<std::pair<double, double>> crosses = {{14, 80}, {26, secondRow}, {38, secondRow}};
    ASSERT_EQ(device.lines.size(), 2 * crosses.size());
    for (std::size_t i = 0; i < crosses.size(); ++i) {
      const auto [left, bottom] = crosses[i];
      const auto& down = device.lines[2 * i];
      const auto& up = device.lines[2 * i + 1];
      const double drawn[] = {down.x1, down.y1, down.x2, down.y2, up.x1, up.y1, up.x2, up.y2};
      const double wanted[] = {left, bottom - 6, left + 6, bottom, left, bottom, left + 6, bottom - 6};
      for (int j = 0; j < 8; ++j) EXPECT_NEAR(drawn[j], wanted[j], 0.01) << i << " " << j;
    }
    const std::vector<std::pair<double, double>> circles = {{23, 77}, {17, secondRow - 3}, {23, secondRow - 3}};
    ASSERT_EQ(device.circles.size(), circles.size());
    for (std::size_t i = 0; i < circles.size(); ++i) {
      EXPECT_NEAR(device.circles[i].x, circles[i].first, 0.01);
      EXPECT_NEAR(device.circles[i].y, circles[i].second, 0.01);
      EXPECT_NEAR(device.circles[i].radius, 1.5, 0.01);
    }

    std::vector<std::string> points;
    for (const auto& t : device.texts) {
      EXPECT_EQ(t.onWhite, t.font.size == 5) << t.text;  // only the points read over the marks
      if (t.font.size != 5) continue;
      points.push_back(t.text);
      const bool firstRow = points.size() <= 3;
      const double k = firstRow ? points.size() : points.size() - 3;  // the answer's square
      EXPECT_NEAR(t.x, 10 + 6 * k, 0.01);
      EXPECT_NEAR(t.y, (firstRow ? 80 : secondRow) - 4, 0.01);
    }
    if (federation)
      EXPECT_EQ(points, (std::vector<std::string>{" 1 ", " 0 ", "-1 ", " 0 ", " 0 ", " 2 ", "-1 ", " 1 "}));
    else
      EXPECT_TRUE(points.empty());
    // The rows below keep their pitch after the small points.
    EXPECT_NEAR(device.find(" 3 ").at(0).y, 74 + 2 * kRowPitch, 0.01);
  }
}

}  // namespace
}  // namespace ventelle
