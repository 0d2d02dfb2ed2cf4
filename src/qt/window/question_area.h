#pragma once
#include <QGroupBox>
#include <QLabel>
#include <QScrollArea>
#include <array>

#include "ui/window/window_controls.h"

namespace ventelle {

class TickRow;

// The question, its picture and the answers frame, laid out top to bottom
// in a band of the window: the question text takes the height it needs
// beside its picture, and the answers frame takes the rest of the band. The
// frame keeps its usual top, under the place of the question, the verdict
// and the error panel, unless the question or the answers need the room.
// Each answer row is as high as its wrapped caption; when the rows need
// more than the frame holds, the frame scrolls (the scroll area brings an
// answer box reached by the tab key into view), and so does a question text
// that would leave the answers less than a few lines.
class QuestionArea {
 public:
  // The band runs from `top` to `bottom` of `parent`, from x = `left`, the
  // answers frame being `answersWidth` wide and starting at `answersTop`
  // when it may.
  QuestionArea(QWidget* parent, int left, int top, int answersTop, int bottom, int answersWidth);

  // Shows the question, its picture and its answers, and lays them out.
  void render(const WindowControls& c);
  // Scrolls the answers frame, if need be, to show answer i (1..5).
  void showAnswer(int i);

  QLabel* label() const { return label_; }
  QScrollArea* questionScroll() const { return questionScroll_; }
  QLabel* picture() const { return picture_; }
  QGroupBox* answers() const { return answers_; }
  QScrollArea* answersScroll() const { return answersScroll_; }
  TickRow* row(int i) const { return rows_[i]; }
  QLabel* value(int i) const { return values_[i]; }

 private:
  void layOut(int pictureHeight);
  // Places the visible rows from the top of the frame's contents at that
  // width; returns the height they take.
  int placeRows(int width);

  int left_;
  int top_;
  int answersTop_;
  int bottom_;
  int answersWidth_;
  QScrollArea* questionScroll_;
  QLabel* label_;
  QLabel* picture_;
  QString shownPicture_;
  QGroupBox* answers_;
  QScrollArea* answersScroll_;
  QWidget* rowsHolder_;
  std::array<TickRow*, kMaxAnswers + 1> rows_{};
  std::array<QLabel*, kMaxAnswers + 1> values_{};
};

}  // namespace ventelle
