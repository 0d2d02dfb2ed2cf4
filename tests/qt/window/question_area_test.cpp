// Every question of the shipped banks shows whole in the main window: its
// text, its picture and each answer, without a line cut off.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QFontMetrics>
#include <QScrollBar>
#include <QTest>

#include "bank/question_loader.h"
#include "core/exam_catalogue.h"
#include "fakes/model_on_folder.h"
#include "qt/find_child.h"
#include "qt/window/main_window.h"
#include "qt/window/question_area.h"
#include "qt/window/tick_row.h"
#include "ui/quiz/question_display.h"

namespace ventelle {
namespace {

constexpr int kModules = 30;

struct ShippedFile {
  std::string path;
  std::string bankPrefix;
};

// The thirty 2004 modules, then the chapter files of the other banks.
std::vector<ShippedFile> shippedFiles() {
  std::vector<ShippedFile> files;
  const std::string prefix2004 = examInfo(6).bankPrefix;
  for (int module = 1; module <= kModules; ++module) files.push_back({"2004\\" + std::to_string(module) + ".qcm", prefix2004});
  for (int exam = 1; exam <= 5; ++exam) {
    const ExamInfo& info = examInfo(exam);
    for (int chapter = 1; chapter <= static_cast<int>(info.chapters.size()); ++chapter)
      files.push_back({chapterFilePath(info.bankPrefix, chapter), info.bankPrefix});
  }
  return files;
}

// The height the label's text takes, wrapped at the label's width as the label wraps it.
int neededHeight(const QLabel& label) {
  const QRect room(0, 0, label.contentsRect().width(), 100000);
  return QFontMetrics(label.font()).boundingRect(room, static_cast<int>(label.alignment()) | Qt::TextWordWrap, label.text()).height();
}

// A widget laid inside the scroll area's contents either shows or can be scrolled to.
void expectReachable(const QScrollArea& area, const QRect& place, bool mustFit, const std::string& what) {
  const QWidget& contents = *area.widget();
  EXPECT_TRUE(contents.rect().contains(place)) << what;
  EXPECT_LE(contents.width(), area.viewport()->width()) << what;
  const int hidden = contents.height() - area.viewport()->height();
  if (mustFit) {
    EXPECT_LE(hidden, 0) << what << ": it does not show without scrolling";
  }
  if (hidden > 0) {
    EXPECT_TRUE(area.verticalScrollBar()->isVisible()) << what;
    EXPECT_GE(area.verticalScrollBar()->maximum(), hidden) << what;
  }
}

TEST(ShippedQuestions, EveryQuestionAndAnswerShowsWholeInsideTheAnswersFrameOrItsScroll) {
  ModelOnFolder shipped;
  shipped.model.start();
  MainWindow window{shipped.model};
  window.render();
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  QuestionArea& area = window.questionArea();
  const QRect chapters = findControl<QWidget>(window, "Chapitres")->geometry();
  // At the design's scale every shipped question fits as it is; a larger
  // scale may round text wider and need the scroll.
  const bool mustFit = window.devicePixelRatio() == 1.0;

  RecordingDialogs dialogs;
  RecordingDesktop desktop;
  RecordingPrintService printer;
  ScriptedRandom random{{0.5}};
  WindowContext ctx{dialogs, desktop, random, shipped.library, printer};
  int questions = 0;
  for (const ShippedFile& file : shippedFiles()) {
    const ChapterIndex* chapter = shipped.library.chapter(file.path);
    ASSERT_NE(chapter, nullptr) << file.path;
    ctx.bankPrefix = file.bankPrefix;
    for (int place = 1; place <= chapter->questionCount(); ++place) {
      const Question question = readQuestion(*chapter, 1, place, file.bankPrefix);
      const std::string name = file.path + " " + question.name;
      WindowControls c = shipped.model.controls();
      ctx.controls = c;
      showQuestionHeading(ctx, 1, question.name);
      c = ctx.controls;
      c.labelQuestion = question.text;
      for (int i = 1; i <= kMaxAnswers; ++i) {
        c.check[i].visible = i <= question.answerCount;
        c.check[i].caption = i <= question.answerCount ? question.answerTexts[i] : std::string();
      }
      area.render(c);
      ++questions;

      const QLabel& text = *area.label();
      EXPECT_GE(text.height(), neededHeight(text)) << name;
      expectReachable(*area.questionScroll(), text.geometry(), mustFit, name + " question");
      const QRect questionBlock = area.questionScroll()->geometry().united(
          area.picture()->isVisibleTo(&window) ? area.picture()->geometry() : QRect());
      const QRect frame = area.answers()->geometry();
      EXPECT_GT(frame.top(), questionBlock.bottom()) << name;
      EXPECT_LT(frame.bottom(), chapters.top()) << name;
      EXPECT_TRUE(frame.contains(area.answersScroll()->geometry().translated(frame.topLeft()))) << name;
      int below = 0;
      for (int i = 1; i <= question.answerCount; ++i) {
        const TickRow& row = *area.row(i);
        const QLabel& caption = *row.label();
        const std::string answer = name + " answer " + std::to_string(i);
        EXPECT_GE(caption.height(), neededHeight(caption)) << answer;
        EXPECT_TRUE(row.rect().contains(caption.geometry())) << answer;
        EXPECT_GE(row.y(), below) << answer;
        below = row.geometry().bottom() + 1;
        expectReachable(*area.answersScroll(), row.geometry(), mustFit, answer);
      }
    }
  }
  EXPECT_GE(questions, 1000);
}

// A hand-written bank may hold far longer texts than the shipped ones: the
// question keeps the answers a few lines and scrolls, the answers frame
// scrolls, and an answer reached by the tab key or ticked by its key comes
// into view.
TEST(LongerTexts, TheQuestionAndTheAnswersScrollAndTheAnswerInUseComesIntoView) {
  ModelOnFolder shipped;
  shipped.model.start();
  MainWindow window{shipped.model};
  window.render();
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  QuestionArea& area = window.questionArea();
  WindowControls c = shipped.model.controls();
  c.picturePath.clear();
  c.labelQuestionWidth = kQuestionAreaWidth;
  const QString sentence = QStringLiteral("Une phrase de plusieurs mots qui revient encore. ");
  c.labelQuestion = sentence.repeated(30).toStdString();
  for (int i = 1; i <= kMaxAnswers; ++i) {
    c.check[i].visible = true;
    c.check[i].caption = sentence.repeated(3).toStdString();
  }
  area.render(c);

  EXPECT_TRUE(area.questionScroll()->verticalScrollBar()->isVisible());
  EXPECT_GE(area.label()->height(), neededHeight(*area.label()));
  EXPECT_GE(area.answers()->height(), 100);  // room for a few lines of answers
  QScrollArea& answers = *area.answersScroll();
  EXPECT_TRUE(answers.verticalScrollBar()->isVisible());
  const auto inView = [&answers](int i) {
    QWidget* row = answers.widget()->findChild<QWidget*>(QStringLiteral("Check%1").arg(i))->parentWidget();
    const QRect shown(row->mapTo(answers.viewport(), QPoint(0, 0)), row->size());
    return answers.viewport()->rect().contains(shown);
  };
  ASSERT_FALSE(inView(5));

  window.activateWindow();
  findControl<QCheckBox>(window, "Check4")->setFocus(Qt::TabFocusReason);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("Check5"));
  EXPECT_TRUE(inView(5));

  findControl<QPushButton>(window, "Question")->setFocus(Qt::OtherFocusReason);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_1);
  EXPECT_TRUE(inView(1));
}

}  // namespace
}  // namespace ventelle
