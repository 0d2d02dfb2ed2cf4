// The layout measured in the real widgets, on the screen's scale of the run
// (the suite runs these again at 150 % and 200 %): every shipped question
// shows whole, and every window keeps each control in place and each caption
// whole under a large desktop font.
#include "bank/question_loader.h"
#include "core/exam_catalogue.h"
#include "fakes/fake_user_host.h"
#include "fakes/planned_random.h"
#include "qt/help/help_windows.h"
#include "qt/help/splash_window.h"
#include "qt/profile/user_window.h"
#include "qt/shell_checks.h"
#include "qt/window/question_area.h"
#include "qt/window/tick_row.h"
#include "ui/quiz/question_display.h"

namespace ventelle {

const QStringList kOverlays{"Erreurs", "Final"};  // the mistakes and the verdict stand over the question

class Layout : public ::testing::Test, public ShownMainWindow {};

TEST_F(Layout, EveryShippedQuestionAndItsAnswersShowWhole) {
  WindowContext ctx{dialogs, desktop, random, library, printer};
  QuestionArea& area = window.questionArea();
  int questions = 0;
  for (int exam = 1; exam <= 6; ++exam)  // the banks' chapters, then the 30 modules of 2004
    for (int k = 1; k <= (exam == 6 ? 30 : static_cast<int>(examInfo(exam).chapters.size())); ++k) {
      const std::string prefix = examInfo(exam).bankPrefix, path = exam == 6 ? "2004\\" + std::to_string(k) + ".qcm" : chapterFilePath(prefix, k);
      const ChapterIndex* chapter = library.chapter(path);
      ASSERT_NE(chapter, nullptr) << path;
      ctx.bankPrefix = prefix;
      for (int place = 1; place <= chapter->questionCount(); ++place, ++questions) {
        const Question question = readQuestion(*chapter, 1, place, prefix);
        ctx.controls = model.controls();
        showQuestionHeading(ctx, 1, question.name);
        ctx.controls.labelQuestion = question.text;
        for (int i = 1; i <= kMaxAnswers; ++i)
          ctx.controls.check[i] = {.caption = i <= question.answerCount ? question.answerTexts[i] : std::string(), .visible = i <= question.answerCount};
        area.render(ctx.controls);
        expectLaidOut(window, path + " " + question.name, kOverlays);
        // At the design's scale each fits as it is; a larger one may round text wider and scroll.
        for (const QScrollArea* scroll : {area.questionScroll(), area.answersScroll()})
          EXPECT_TRUE(window.devicePixelRatio() != 1.0 || scroll->widget()->height() <= scroll->viewport()->height()) << path << " " << question.name;
        ASSERT_FALSE(HasFailure()) << path << " " << question.name;
      }
    }
  EXPECT_GE(questions, 1000);
}

// Far longer texts than the shipped ones: both frames scroll, the answers
// centred in theirs, and the answer reached by Tab comes into view.
TEST_F(Layout, LongerTextsScrollAndTheAnswerInUseComesIntoView) {
  WindowControls c = model.controls();
  c.picturePath.clear();
  const QString sentence = "Une phrase de plusieurs mots qui revient encore. ";
  c.labelQuestion = sentence.repeated(30).toStdString();
  for (TickBox& answer : c.check) answer = {.caption = sentence.repeated(3).toStdString(), .visible = true};
  QuestionArea& area = window.questionArea();
  area.render(c);
  expectLaidOut(window, "longer texts", kOverlays);
  const QRect inside = area.answersScroll()->geometry();
  EXPECT_TRUE(area.questionScroll()->verticalScrollBar()->isVisible() && inside.left() == area.answers()->width() - 1 - inside.right());
  const QWidget* view = area.answersScroll()->viewport();
  child("Check4")->setFocus(Qt::TabFocusReason);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_TRUE(view->rect().contains(QRect(area.row(5)->mapTo(view, QPoint(0, 0)), area.row(5)->size())));
}

TEST_F(LargeDesktopFont, TheMainWindowInEveryExamSkinAndMode) {
  ShownMainWindow f;
  int exams = 0;
  for (QAction* exam : f.child("mnuVersion")->findChildren<QAction*>())
    if (exam->isCheckable() && ++exams) {
      exam->trigger();
      EXPECT_GE(expectLaidOut(f.window, exam->objectName().toStdString(), kOverlays), 40);
    }
  EXPECT_GE(exams, 10);
  f.menu("mnuEvaluation");  // the numbered buttons
  for (int skin = 1; f.window.findChild<QAction*>(QString("mnuskin%1").arg(skin)); ++skin) {
    f.menu(QString("mnuskin%1").arg(skin));
    expectLaidOut(f.window, "skin " + std::to_string(skin), kOverlays);
  }
  f.child<QPushButton>("Bouton2")->click();
  f.child<QPushButton>("Question")->click();
  expectLaidOut(f.window, "marked", kOverlays);
  f.menu("mnuGenerer");
  expectLaidOut(f.window, "generated questionnaire", kOverlays);
  f.menu("mnjoueoie");
  expectLaidOut(f.window, "goose board", kOverlays);
}

TEST_F(Layout, EveryHelpPageTheAboutBoxTheUsersAndTheSplash) {
  HelpDesk& desk = model.helpDesk();
  desk.setDialogs(dialogs);
  QTest::keyClick(child("Partie2"), Qt::Key_F1);  // the mistakes over the question
  expectLaidOut(window, "mistakes", kOverlays);
  menu("mnuIndex");
  EXPECT_GE(expectLaidOut(*child("FrmIndex"), "index"), kIndexEntries + 2);
  for (int entry = 1; entry <= kIndexEntries; ++entry) {
    desk.indexEntryClick(entry);
    window.render();
    for (const HelpFrame* page : window.findChildren<HelpFrame*>())
      EXPECT_TRUE(!page->isVisible() || page->objectName() == "FrmIndex" || expectLaidOut(*page, page->objectName().toStdString()) >= 3);
    desk.indexButtonClick();
    window.render();
  }
  menu("mnuApropos");
  EXPECT_GE(expectLaidOut(*child("Apropos"), "about"), 8);

  FakeUserHost host(dialogs);
  std::unique_ptr<UserWindow> users(openUserWindow(host, nullptr));
  EXPECT_GE(expectLaidOut(*users, "users"), 8);
  PlannedRandom random;
  SplashModel splashModel{library.folder(), random};
  SplashWindow splash{splashModel};
  EXPECT_GE(expectLaidOut(splash, "splash", {"Logo", "Etiquette"}), 2);  // the tip's label covers the window, to take a click anywhere
}

}  // namespace ventelle
