#include <algorithm>
#include <cmath>
#include <string>

#include "print/documents_p.h"
#include "print/page_routines.h"

namespace ventelle {
namespace {

// Millimetres from the left edge unless said otherwise.
constexpr double kLabelX = 15;
constexpr double kTextLeft = 57;
constexpr double kRightMargin = 10;  // from the right edge
constexpr double kAnswerLabelX = 20;
constexpr double kAnswerLeft = 47;
constexpr double kPictureInset = 9;  // from the right edge
// From a question's label to its first answer when it has a picture.
constexpr double kPictureQuestionMinimum = 21;
// A picture so wide that it leaves less beside it has the text under it.
constexpr double kNarrowestColumn = 30;
constexpr double kGapAfterQuestion = 10;
constexpr double kFirstQuestionTop = 40;
constexpr double kTopOfNextPage = 15;

const PrintFont kQuestionLabelFont{10, true, true};

// The question's text from the cursor's line; `top` is the label's.
void printQuestionText(PrintCursor& cursor, const PrintedQuestion& question, double top) {
  const PrintedPicture& picture = question.picture;
  if (picture.path.empty()) {
    printParagraph(cursor, question.text, kTextLeft, kRightMargin);
    cursor.y += 1;
    return;
  }
  const int page = cursor.pagesEnded();
  const double left = std::max(0.0, cursor.pageWidth() - picture.widthMm - kPictureInset);
  const double besidePicture = std::round(picture.widthMm + kRightMargin);
  if (cursor.pageWidth() - kTextLeft - besidePicture >= kNarrowestColumn) {
    // Level with the label, the text beside it.
    cursor.drawPicture(left, top, picture.widthMm, picture.heightMm, picture.path);
    printParagraph(cursor, question.text, kTextLeft, besidePicture);
  } else {
    // Under the label, the text under it.
    cursor.drawPicture(left, cursor.y, picture.widthMm, picture.heightMm, picture.path);
    cursor.y += picture.heightMm + 1;
    printParagraph(cursor, question.text, kTextLeft, kRightMargin);
  }
  // The answers start below the picture.
  if (cursor.pagesEnded() == page)
    cursor.y = std::max(cursor.y, top + std::max(kPictureQuestionMinimum, picture.heightMm + 1));
}

void printQuestion(PrintCursor& cursor, const PrintedQuestion& question, int number) {
  cursor.setFont(kQuestionLabelFont);
  const std::string label = "Question N°" + std::to_string(number);
  const double pictureHeight = question.picture.path.empty() ? 0 : question.picture.heightMm;
  cursor.makeRoom(cursor.textHeight(label) + pictureHeight);
  const double top = cursor.y;
  cursor.x = kLabelX;
  cursor.printLine(label);
  cursor.setUnderline(false);  // the question text is bold
  printQuestionText(cursor, question, top);
  for (std::size_t k = 0; k < question.answers.size(); ++k) {
    cursor.x = kAnswerLabelX;
    cursor.setBold(true);
    cursor.print(std::string("Réponse ") + static_cast<char>('A' + k) + " :");
    cursor.setBold(false);
    printParagraph(cursor, question.answers[k], kAnswerLeft, kRightMargin);
  }
}

void printCopy(PrintDevice& device, const PrintedQuestionnaire& questionnaire) {
  PrintCursor cursor(device);
  cursor.setUnit(PrintUnit::Millimetres);
  int page = 0;
  const auto finishPage = [&page, &questionnaire](PrintCursor& c) {
    printFooter(c, questionnaire.paperCode);
    printPageNumber(c, ++page);
    c.endPage();
  };

  cursor.setFont({10, true, true});
  printSheetHeading(cursor, questionnaire, {});
  cursor.y = kFirstQuestionTop;
  cursor.setSize(10);

  const double bottom = footerZoneTop(cursor);
  cursor.keepAbove(bottom, kTopOfNextPage, finishPage);
  for (std::size_t q = 0; q < questionnaire.questions.size(); ++q) {
    const PrintedQuestion& question = questionnaire.questions[q];
    const int number = static_cast<int>(q) + 1;
    // A question that fits on a page is never split; a taller one starts
    // here and runs on over the next pages.
    const double height = questionHeight(cursor, question, number);
    if (height <= bottom - kTopOfNextPage) cursor.makeRoom(height);
    printQuestion(cursor, question, number);
    cursor.y += kGapAfterQuestion;
  }
  cursor.stopKeepingAbove();
  finishPage(cursor);
}

}  // namespace

double questionHeight(const PrintCursor& cursor, const PrintedQuestion& question, int number) {
  PrintCursor dry = cursor.measuring();
  const double top = dry.y;
  printQuestion(dry, question, number);
  return dry.y - top;
}

void printQuestionnaires(PrintDevice& device, const PrintedQuestionnaire& questionnaire, int copies) {
  for (int copy = 0; copy < copies; ++copy) printCopy(device, questionnaire);
}

void printSheetHeading(PrintCursor& cursor, const PrintedQuestionnaire& questionnaire, std::string_view rightField) {
  static constexpr std::string_view kSessionField = "Session                       ";
  cursor.y = cursor.textHeight("SN") + 5;
  cursor.x = 5;
  cursor.print(kSessionField);
  if (!rightField.empty()) {
    cursor.x = cursor.pageWidth() - 5 - cursor.textWidth(rightField);
    cursor.printLine(rightField);
  }
  cursor.y = 20;
  cursor.setSize(20);
  printCentred(cursor, questionnaire.title);
  cursor.setUnderline(false);
  cursor.setSize(15);
  printCentred(cursor, questionnaire.subtitle);
}

}  // namespace ventelle
