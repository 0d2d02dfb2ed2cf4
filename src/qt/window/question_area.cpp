#include "qt/window/question_area.h"

#include <QScrollBar>
#include <QStyle>
#include <algorithm>

#include "qt/look/colours.h"
#include "qt/look/layout_font.h"
#include "qt/window/tick_row.h"

namespace ventelle {
namespace {

constexpr int kTwipsPerPixel = 15;
constexpr int kRowGap = 2;
constexpr int kLowestRow = 30;         // a one-line answer keeps a row easy to hit
constexpr int kValueWidth = 36;        // the answer's points, right of its row
constexpr int kPictureGap = 4;         // between the question block and the answers frame
constexpr int kLeastAnswersFrame = 110;  // kept for the answers whatever the question's length

// Holders of the layout only, not controls: they carry no control name.
QScrollArea* plainScrollArea(QWidget* parent) {
  auto* area = new QScrollArea(parent);
  area->setFrameShape(QFrame::NoFrame);
  area->setWidgetResizable(false);
  area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  area->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // Answer boxes keep the window's tab order; the area scrolls to the one
  // that takes the focus.
  area->setFocusPolicy(Qt::NoFocus);
  // The skin's colours and pictures show through.
  area->setAutoFillBackground(false);
  area->viewport()->setAutoFillBackground(false);
  return area;
}

// A style sheet is parsed and the widget polished again at every setting:
// a redraw that changes nothing keeps the sheet it has.
void restyle(QWidget& widget, const QString& sheet) {
  if (widget.styleSheet() != sheet) widget.setStyleSheet(sheet);
}

int scrollBarWidth(const QScrollArea& area) {
  return area.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, area.verticalScrollBar());
}

}  // namespace

QuestionArea::QuestionArea(QWidget* parent, int left, int top, int answersTop, int bottom, int answersWidth)
    : left_(left), top_(top), answersTop_(answersTop), bottom_(bottom), answersWidth_(answersWidth) {
  questionScroll_ = plainScrollArea(parent);
  label_ = new QLabel(questionScroll_->viewport());
  label_->setObjectName(QStringLiteral("LabelQuestion"));
  label_->setWordWrap(true);
  label_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label_->setFont(grownFont(parent->font(), 1));
  questionScroll_->setWidget(label_);
  label_->setAutoFillBackground(false);  // the scroll area has just set it
  picture_ = new QLabel(parent);
  picture_->setObjectName(QStringLiteral("ImageQuestion"));

  answers_ = new QGroupBox(QStringLiteral("Cochez la (ou les) réponse(s) correcte(s)"), parent);
  answers_->setObjectName(QStringLiteral("Cadre_Reponses"));
  answers_->setFont(parent->font());  // held under the skin's style sheet
  answersScroll_ = plainScrollArea(answers_);
  rowsHolder_ = new QWidget(answersScroll_->viewport());
  for (int i = 1; i <= kMaxAnswers; ++i) {
    rows_[i] = new TickRow(QStringLiteral("Check%1").arg(i), rowsHolder_);
    values_[i] = new QLabel(rowsHolder_);
    values_[i]->setObjectName(QStringLiteral("LCheck%1").arg(i));
    values_[i]->setFont(parent->font());  // held under its style sheet
    values_[i]->setAlignment(Qt::AlignCenter);
  }
  answersScroll_->setWidget(rowsHolder_);
  rowsHolder_->setAutoFillBackground(false);
}

void QuestionArea::render(const WindowControls& c) {
  label_->setText(QString::fromStdString(c.labelQuestion));
  questionScroll_->setVisible(c.labelQuestionVisible);
  restyle(*label_, QStringLiteral("color: %1;").arg(toQColor(c.questionText).name()));

  const QString picture = QString::fromStdString(c.picturePath);
  if (picture != shownPicture_) {
    shownPicture_ = picture;
    const QPixmap pixmap(picture);
    picture_->setPixmap(pixmap);
    picture_->setGeometry(c.pictureLeft / kTwipsPerPixel, top_, pixmap.width(), pixmap.height());
  }
  picture_->setVisible(!picture.isEmpty());

  restyle(*answers_, QStringLiteral("QGroupBox { %1 }").arg(colourStyle(c.answersBack, c.answersText)));
  for (int i = 1; i <= kMaxAnswers; ++i) {
    const TickBox& box = c.check[i];
    TickRow* row = rows_[i];
    row->setVisible(box.visible);
    restyle(*row, colourStyle(box.back, box.text));
    row->label()->setText(QString::fromStdString(box.caption));
    const QSignalBlocker blocker(row->box());
    row->box()->setChecked(box.ticked);
    values_[i]->setText(QString::fromStdString(c.lcheck[i]));
    restyle(*values_[i], QStringLiteral("color: %1;").arg(toQColor(c.answersText).name()));
    values_[i]->setVisible(box.visible);
  }
  label_->setFixedWidth(std::max(80, c.labelQuestionWidth / kTwipsPerPixel));
  layOut(picture.isEmpty() || !c.labelQuestionVisible ? 0 : picture_->height());
}

void QuestionArea::showAnswer(int i) { answersScroll_->ensureWidgetVisible(rows_[i], 0, 0); }

void QuestionArea::layOut(int pictureHeight) {
  // The question: as high as its text, or its own scroll when that would
  // leave the answers too little room.
  const int room = bottom_ - top_ - kLeastAnswersFrame;
  const int width = label_->width();
  int textHeight = label_->heightForWidth(width);
  const bool questionShown = questionScroll_->isVisibleTo(questionScroll_->parentWidget());
  const bool questionScrolls = questionShown && textHeight > room;
  if (questionScrolls) {
    // Measured at the width it keeps beside the scroll bar.
    label_->setFixedWidth(width - scrollBarWidth(*questionScroll_));
    textHeight = label_->heightForWidth(label_->width());
  }
  label_->setFixedHeight(textHeight);
  questionScroll_->setVerticalScrollBarPolicy(questionScrolls ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  const int questionHeight = questionShown ? std::min(textHeight, room) : 0;
  questionScroll_->setGeometry(left_, top_, width, questionHeight);

  // The answers frame: at its usual top when the answers fit below it,
  // higher when they need the room, never over the question or its picture;
  // down to the band's end.
  const int titleHeight = answers_->fontMetrics().height() + 6;
  const int insideWidth = answersWidth_ - 8;
  const int frameNeeds = titleHeight + placeRows(insideWidth) + 4;
  const int belowQuestion = top_ + std::max(questionHeight, pictureHeight) + kPictureGap;
  const int frameTop = std::max(belowQuestion, std::min(answersTop_, bottom_ - frameNeeds));
  answers_->setGeometry(left_, frameTop, answersWidth_, bottom_ - frameTop);
  const QRect inside(4, titleHeight, insideWidth, answers_->height() - titleHeight - 4);
  answersScroll_->setGeometry(inside);
  int rowsHeight = placeRows(inside.width());
  const bool answersScroll = rowsHeight > inside.height();
  if (answersScroll) rowsHeight = placeRows(inside.width() - scrollBarWidth(*answersScroll_));
  answersScroll_->setVerticalScrollBarPolicy(answersScroll ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  rowsHolder_->resize(inside.width() - (answersScroll ? scrollBarWidth(*answersScroll_) : 0),
                      std::max(rowsHeight, 1));
}

int QuestionArea::placeRows(int width) {
  int y = 0;
  for (int i = 1; i <= kMaxAnswers; ++i) {
    if (rows_[i]->isHidden()) continue;
    const int rowWidth = width - kValueWidth;
    const int height = std::max(kLowestRow, rows_[i]->heightForWidth(rowWidth));
    rows_[i]->setGeometry(0, y, rowWidth, height);
    values_[i]->setGeometry(rowWidth + 2, y, kValueWidth - 2, height);
    y += height + kRowGap;
  }
  return std::max(0, y - kRowGap);
}

}  // namespace ventelle
