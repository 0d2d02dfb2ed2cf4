#include <algorithm>
#include <string>

#include "print/documents_p.h"
#include "print/page_routines.h"

namespace ventelle {
namespace {

constexpr std::string_view kNoteField = "Note:             ";
constexpr double kColumnWidth = 50;
constexpr double kGridTop = 70;
constexpr double kSquare = 6;
constexpr double kFirstSquareX = 14;  // from the column's left edge
constexpr std::string_view kLetters = "abcde";

void printHeader(PrintCursor& cursor, const PrintedQuestionnaire& questionnaire, bool answerSheet) {
  cursor.setUnit(PrintUnit::Millimetres);
  cursor.setFont({10, true, true});
  printSheetHeading(cursor, questionnaire, answerSheet ? kNoteField : std::string_view());
  cursor.y = 45;
  if (answerSheet) {
    cursor.x = 10;
    cursor.setSize(13);
    cursor.print("Nom:");
    cursor.x = 70;
    cursor.printLine("Prénom:");
  } else {
    cursor.setSize(17);
    printCentred(cursor, "Grille de Correction");
  }
}

// A cross in a right answer's square, a circle in a square worth nothing;
// (right, bottom) is the square's bottom-right corner.
void markSquare(PrintCursor& cursor, double right, double bottom, int points) {
  if (points >= 1) {
    cursor.drawLine(right - kSquare, bottom - kSquare, right, bottom);
    cursor.drawLine(right - kSquare, bottom, right, bottom - kSquare);
  } else if (points == 0) {
    cursor.drawCircle(right - kSquare / 2, bottom - kSquare / 2, 1.5);
  }
}

// One row of the grid: the letters, the question number and its five
// squares, marked from the question's points when it is given.
void printRow(PrintCursor& cursor, double x0, int number, const PrintedQuestion* marked, bool showPoints) {
  cursor.setFont({10, false, false});
  for (std::size_t i = 0; i < kLetters.size(); ++i) {
    cursor.x = x0 + 16 + kSquare * static_cast<double>(i);
    cursor.print(kLetters.substr(i, 1));
  }
  cursor.y += cursor.textHeight("a");

  cursor.setFont({14, true, false});
  // One-digit numbers end where two-digit ones do.
  cursor.x = x0 + 5 + (number < 10 ? cursor.textWidth("1") : 0);
  cursor.print(PrintCursor::numberText(number));

  const int answers =
      marked ? static_cast<int>(std::min({marked->answers.size(), marked->points.size(), kLetters.size()})) : 0;
  cursor.x = x0 + kFirstSquareX;
  cursor.y += kSquare;
  for (int k = 1; k <= 5; ++k) {
    cursor.drawBox(cursor.x, cursor.y - kSquare, kSquare, kSquare);
    cursor.x += kSquare;
    if (k <= answers) markSquare(cursor, cursor.x, cursor.y, marked->points[k - 1]);
  }
  if (showPoints && answers > 0) {
    const double rowBottom = cursor.y;
    cursor.setFont({5, false, false});
    cursor.y -= 4;
    for (int k = 1; k <= answers; ++k) {
      cursor.x = x0 + 10 + kSquare * k;
      // Over the cross's lines, on white so that it can be read.
      cursor.printOnWhite(PrintCursor::numberText(marked->points[k - 1]));
    }
    cursor.y = rowBottom;
    cursor.setFont({14, true, false});
  }
  cursor.y += cursor.textHeight("a") / 5;
}

void printGrid(PrintCursor& cursor, const PrintedQuestionnaire& questionnaire, bool marked) {
  for (int column = 1; column <= questionnaire.gridColumns; ++column) {
    const double x0 = (column - 1) * kColumnWidth;
    cursor.y = kGridTop;
    for (int row = 1; row <= questionnaire.gridRows; ++row) {
      const int number = (column - 1) * questionnaire.gridRows + row;
      const bool known = marked && number <= static_cast<int>(questionnaire.questions.size());
      printRow(cursor, x0, number, known ? &questionnaire.questions[number - 1] : nullptr,
               known && questionnaire.federationExam);
    }
  }
  printFooter(cursor, questionnaire.paperCode);
  cursor.endPage();
}

}  // namespace

void printAnswerSheets(PrintDevice& device, const PrintedQuestionnaire& questionnaire, int copies) {
  for (int copy = 0; copy < copies; ++copy) {
    PrintCursor cursor(device);
    printHeader(cursor, questionnaire, true);
    printGrid(cursor, questionnaire, false);
  }
}

void printCorrectionGrid(PrintDevice& device, const PrintedQuestionnaire& questionnaire) {
  PrintCursor cursor(device);
  printHeader(cursor, questionnaire, false);
  printGrid(cursor, questionnaire, true);
}

}  // namespace ventelle
