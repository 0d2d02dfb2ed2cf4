#include <functional>

#include <gtest/gtest.h>

#include "core/exam_catalogue.h"
#include "fakes/model_on_folder.h"
#include "ui/model_harness.h"
#include "ui/quiz/error_panel.h"
#include "ui/window/menu_bar.h"

namespace ventelle {
namespace {

const std::string kPilotCaption = "QCM Parapente 2004 - Brevet de Pilote: Erreurs sur le chapitre ";

// Exam 7 with X and Z of chapter 2 answered wrongly, and A of chapter 1.
class ErrorPanelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    h.start();
    h.onlyChapters({1, 2}, 2, 1);
    h.mark({"Non"});
    h.next(2, 3);
    h.mark({"Non"});
    h.next(1, 1);
    h.mark({"Faux"});
    ASSERT_EQ(h.errorList(2), "X,Z");
    ASSERT_EQ(h.errorList(1), "A");
  }
  const WindowControls& c() const { return h.controls(); }

  ModelHarness h;
};

TEST_F(ErrorPanelTest, F1OnAChapterBoxShowsItsMistakesAndF1AgainHidesThem) {
  ASSERT_FALSE(c().erreursVisible);
  h.model.chapterBoxFocus(2);

  h.model.chapterBoxHelp(2);
  EXPECT_TRUE(c().erreursVisible);
  EXPECT_EQ(c().erreursCaption, kPilotCaption + "\"Mécanique de Vol Générale\"");
  EXPECT_EQ(c().afficheErreurs, "X,Z");

  h.model.chapterBoxHelp(2);
  EXPECT_FALSE(c().erreursVisible);
}

// Box 1 keeps the focus while the next draw lands in chapter 2: F1 still
// lists the chapter the box names.
TEST_F(ErrorPanelTest, ListsTheChapterOfTheBoxPressedEvenAfterADrawElsewhere) {
  h.model.chapterBoxFocus(1);
  h.next(2, 2);
  EXPECT_EQ(h.model.quiz().selectedChapter, 2);

  h.model.chapterBoxHelp(1);
  EXPECT_EQ(c().erreursCaption, kPilotCaption + "\"Méteo\"");
  EXPECT_EQ(c().afficheErreurs, "A");

  h.model.chapterBoxHelp(1);
  h.model.chapterBoxHelp(4);  // an unticked chapter without mistakes
  EXPECT_TRUE(c().erreursVisible);
  EXPECT_EQ(c().erreursCaption, kPilotCaption + "\"Matériel Général\"");
  EXPECT_EQ(c().afficheErreurs, "");
}

TEST_F(ErrorPanelTest, AHiddenChapterBoxTakesNoF1) {
  h.model.chapterBoxHelp(9);
  EXPECT_FALSE(c().erreursVisible);
}

// Each of these closes the panel once.
TEST_F(ErrorPanelTest, ThePanelClosesOnTheMouseAQuestionPressAChapterClickAReaskChangeOrAReset) {
  const std::vector<std::pair<std::string, std::function<void()>>> triggers = {
      {"mouse over the panel", [&] { EXPECT_TRUE(h.model.mouseOverErrorPanel()); }},
      {"Question pressed", [&] { h.next(1, 2); }},
      {"chapter box clicked", [&] { h.model.chapterBoxClick(5); }},
      {"re-ask period changed", [&] { h.model.menuCommand("mnurepose4"); }},
      {"points reset", [&] {
         h.queueQuestion(1, 3);
         h.model.menuCommand("mnuReinitialiser");
       }},
  };
  for (const auto& [name, trigger] : triggers) {
    h.model.chapterBoxHelp(1);
    ASSERT_TRUE(c().erreursVisible) << name;
    trigger();
    EXPECT_FALSE(c().erreursVisible) << name;
  }
  EXPECT_FALSE(h.model.mouseOverErrorPanel());
}

TEST_F(ErrorPanelTest, ThePanelStaysWhenNothingChanges) {
  h.model.chapterBoxHelp(1);
  h.model.menuCommand("mnurepose0");  // the period already chosen
  h.model.chapterBoxFocus(2);
  h.model.menuCommand("mnuTQuest");
  EXPECT_TRUE(c().erreursVisible);
  EXPECT_EQ(c().afficheErreurs, "A");
}

// In a full questionnaire the Question button marks the whole test; a press
// refused for want of answers leaves the panel open.
TEST_F(ErrorPanelTest, AQuestionPressOfAFullQuestionnaireLeavesThePanel) {
  h.queueQuestion(1, 2);  // the reset on entering the mode
  h.queueQuestion(1, 3);  // button 1
  h.model.menuCommand("mnuEvaluation");
  h.model.chapterBoxHelp(1);
  h.model.questionClick();
  EXPECT_EQ(h.dialogs.shown.size(), 1u);
  EXPECT_TRUE(c().erreursVisible);
}

// No exam has such a chapter yet; the box shows "&" for "&&" and hides an
// access-key marker, and so does the caption.
TEST(ErrorPanelCaption, NamesTheChapterAsItsBoxReads) {
  RecordingDialogs dialogs;
  RecordingDesktop desktop;
  RecordingPrintService printer;
  PlannedRandom random;
  ChapterLibrary library(ProgramFolder("."));
  WindowContext ctx(dialogs, desktop, random, library, printer);
  ctx.controls.menus = initialMenuBar();
  ctx.examIndex = 4;
  ctx.bankPrefix = "ulm\\u";
  ctx.controls.partie[2] = {"&Moteurs && hélices", false, true};

  toggleErrorPanel(ctx, 2);

  EXPECT_EQ(ctx.controls.erreursCaption, "QCM ULM: Erreurs sur le chapitre \"Moteurs & hélices\"");
}

// Questions 3 and 30 of chapter 3 belong to the initial and the pilot
// brevets: with the lower levels included each goes to its brevet's list.
TEST(ErrorPanelLowerLevels, TheListGathersTheMistakesOfEachLevel) {
  ModelHarness h;
  h.start();
  h.onlyChapter(3, 1);
  h.queueQuestion(3, 3);
  h.model.menuCommand("mnuInclure");
  h.mark({"Zéro"});
  h.next(3, 30);
  h.mark({"Zéro"});

  h.model.chapterBoxHelp(3);

  EXPECT_EQ(h.controls().erreursCaption,
            "QCM Parapente 2004 - Brevet de Pilote - QCMs B. Initial inclus: Erreurs sur le chapitre "
            "\"Mécanique de Vol Parapente\"");
  EXPECT_EQ(h.controls().afficheErreurs, "-Initial:3-Pilote:30");
}

// On the banks as shipped: in every exam a question left unanswered is
// listed under the box of its chapter, with the exam's name in the caption;
// the switch to the next exam closes the panel.
TEST(ErrorPanelExams, EachExamNamesItselfAndListsTheChapterOfTheMistake) {
  const std::vector<std::pair<int, std::string>> titles = {
      {1, "QCM Manuel du vol libre"},
      {2, "QCM 2000"},
      {3, "QCM Pilote Privé Avion"},
      {4, "QCM ULM"},
      {5, "QCM Vol à Voile"},
      {6, "QCM Parapente 2004 - Brevet Initial"},
      {7, "QCM Parapente 2004 - Brevet de Pilote"},
      {8, "QCM Parapente 2004 - Brevet de Pilote Confirmé"},
      {9, "QCM Delta 2004 - Brevet Initial"},
      {10, "QCM Delta 2004 - Brevet de Pilote"},
      {11, "QCM Delta 2004 - Brevet de Pilote Confirmé"},
  };
  ModelOnFolder f;
  f.model.start();
  for (const auto& [exam, title] : titles) {
    SCOPED_TRACE(title);
    const bool wasOpen = f.model.controls().erreursVisible;
    f.model.menuCommand(examInfo(exam).menuItem);
    if (wasOpen) {
      EXPECT_FALSE(f.model.controls().erreursVisible);
    }
    const Question question = f.model.quiz().question;
    ASSERT_NE(question.chapter, 0);
    f.model.questionClick();  // nothing ticked: a mistake

    f.model.chapterBoxHelp(question.chapter);

    const WindowControls& c = f.model.controls();
    EXPECT_TRUE(c.erreursVisible);
    EXPECT_EQ(c.erreursCaption,
              title + ": Erreurs sur le chapitre \"" + examInfo(exam).chapters[question.chapter - 1] + "\"");
    EXPECT_EQ(c.afficheErreurs, question.name);
  }
}

}  // namespace
}  // namespace ventelle
