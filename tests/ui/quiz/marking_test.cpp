#include <optional>

#include <gtest/gtest.h>

#include "fakes/scripted_random.h"
#include "ui/exams/exam_switch.h"
#include "ui/model_harness.h"
#include "ui/quiz/history.h"
#include "ui/window/menu_bar.h"
#include "ui/window/skin_colours.h"

namespace ventelle {
namespace {

// The points rules and the colour table are checked in tests/quiz; here, what
// marking shows, lists and tells.
TEST(Marking, ShowsPointsAndColoursListsEachMistakenQuestionOnceAndRefusesLateTicks) {
  ModelHarness h;
  h.start(1, 1);  // A: Juste 6, Faux -2, Neutre 0
  h.mark({"Juste", "Faux"});
  const auto& c = h.controls();
  EXPECT_EQ(c.cetteQuestion, "4");
  EXPECT_EQ(c.moyenne, "13");
  EXPECT_EQ(c.lcheck[2], "-2");
  EXPECT_EQ(h.box("Faux").back, 49407u);
  EXPECT_EQ(h.box("Faux").text, SkinColours{}.mistakeText);
  EXPECT_EQ(h.box("Juste").back, SkinColours{}.answerBack);

  h.next(1, 4);  // S: Six -6, Bon 6, two mistakes in one question
  h.mark({"Six"});
  EXPECT_EQ(h.box("Bon").back, 255u);
  EXPECT_EQ(h.errorList(1), "A,S");
  EXPECT_TRUE(h.dialogs.shown.empty());
  h.tick("Bon");
  EXPECT_FALSE(h.box("Bon").ticked);
  EXPECT_EQ(h.dialogs.count("Vous ne pouvez pas modifier vos réponses après correction"), 1);
}

// Exam 7 asks 60 questions with a pass mark of 270; B is worth 3, 3 and -3.
TEST(Marking, TheConformAndStopItemsReachTheRules) {
  ModelHarness h;
  h.start(1, 2);
  h.mark({"Erreur"});
  EXPECT_EQ(h.controls().totalPoints, "0");
  h.queueQuestion(1, 2);  // the item starts the test over
  h.model.menuCommand("mnuConforme");
  h.mark({"Erreur"});
  EXPECT_EQ(h.controls().totalPoints, "-3");

  for (const auto& [untick, verdict] : {std::pair{"", "Vous échouez à l'examen."}, {"mnuCompletRE2", ""}}) {
    if (*untick) h.model.menuCommand(untick);
    h.onlyChapter(3, 1);
    h.markRun(3, 1, 16, "Zéro");  // 270 is now out of reach
    EXPECT_EQ(h.controls().final, verdict) << untick;
    EXPECT_EQ(h.controls().question.visible, !*verdict) << untick;
  }
}

TEST(ChapterLight, TakesTheColourOfTheChaptersMistakeCount) {
  for (const auto& [mistakes, colour] : {std::pair{3, colours::kGreen}, {4, colours::kOrange}, {11, colours::kRed}}) {
    ModelHarness h;
    h.start();
    h.onlyChapter(3, 1);
    h.markRun(3, 1, mistakes, "Zéro");
    EXPECT_EQ(h.controls().feu[3].colour, colour) << mistakes;
  }
  EXPECT_EQ(lightColour(10), colours::kOrange);
}

// With the lower levels included, four mistakes in the list of one brevet's
// chapter turn orange the light of the chapter that gathers it, or none.
TEST(ChapterLight, WithTheLowerLevelsEachListFeedsTheLightOfItsChapter) {
  struct Case {
    int exam, listExam, listChapter, light;
  };
  for (const auto& [exam, listExam, listChapter, light] :
       {Case{7, 6, 1, 1}, {7, 6, 6, 7}, {7, 6, 7, 8}, {7, 7, 6, 6}, {7, 8, 2, 0}, {8, 8, 2, 2}, {10, 6, 1, 0},
        {11, 9, 6, 7}, {11, 10, 6, 6}, {11, 11, 3, 4}, {11, 11, 6, 8}}) {
    TempFolder folder;  // without modules: the lists are filled directly
    RecordingDialogs dialogs;
    RecordingDesktop desktop;
    RecordingPrintService printer;
    ScriptedRandom random{{0.5}};
    ChapterLibrary library{ProgramFolder(folder.path())};
    WindowContext ctx{dialogs, desktop, random, library, printer};
    ctx.controls.menus = initialMenuBar();
    switchExam(ctx, exam);
    toggleLowerLevels(ctx);
    for (const char* name : {"a", "b", "c", "d"}) ctx.errors.add({listExam, listChapter}, name);
    refreshChapterLights(ctx);
    for (int k = 1; k <= 8; ++k)
      EXPECT_EQ(ctx.controls.feu[k].colour == colours::kOrange, k == light) << exam << listExam << listChapter << k;
  }
}

constexpr Colour kCurrent = 0xFF0000, kAnswered = 65280, kWrong = 255;

// Exam 7 in full-questionnaire mode, on chapter 3 alone (60 questions).
class FullQuestionnaireTest : public ::testing::Test {
 protected:
  void SetUp() override {
    h.start();
    h.onlyChapter(3, 1);
    h.model.menuCommand("mnurepose8");  // the mode turns re-asks off
    h.queueQuestion(3, 1);              // the reset's draw
    h.queueQuestion(3, 1);              // button 1
    h.model.menuCommand("mnuEvaluation");
  }
  // Goes to button k (question k of chapter 3) and ticks that answer.
  void answer(int k, const std::string& caption) {
    if (h.model.quiz().questionRecords[k - 1].nbRep == 0) h.queueQuestion(3, k);
    h.model.boutonClick(k);
    if (!caption.empty()) h.tick(caption);
  }
  std::optional<Colour> colourOf(int k) const { return h.controls().bouton[k - 1].back; }

  ModelHarness h;
};

TEST_F(FullQuestionnaireTest, AnUnansweredButtonRefusesTheMarkingAndAVisitedOneKeepsItsTicks) {
  EXPECT_EQ(h.controls().bouton.size(), 60u);
  EXPECT_EQ(colourOf(1), kCurrent);
  EXPECT_EQ(h.model.reaskPeriod(), 0);
  answer(1, "Six");
  answer(2, "");
  answer(3, "Zéro");
  h.model.boutonClick(1);
  EXPECT_TRUE(h.box("Six").ticked);
  h.model.questionClick();
  EXPECT_EQ(h.dialogs.count("Vous devez terminer le questionnaire avant de passer\n"
                            "à l'évaluation. Pour être évalué en cours de questionnaire,\n"
                            "passez en mode \"Evaluation Continue\""),
            1);
  EXPECT_EQ(colourOf(2), std::nullopt);
  EXPECT_EQ(colourOf(3), kAnswered);
}

// 16 buttons without their right answer: 264 points, under the pass mark of 270.
TEST_F(FullQuestionnaireTest, MarkingEveryButtonGivesTheVerdictAndColoursEachButtonUntilTheReset) {
  for (int k = 1; k <= 60; ++k) answer(k, k <= 16 ? "Zéro" : "Six");
  h.model.questionClick();
  EXPECT_EQ(h.controls().final, "Vous échouez à l'examen.");
  EXPECT_EQ(h.controls().totalPoints, "264");
  EXPECT_EQ(colourOf(16), kWrong);
  EXPECT_EQ(colourOf(17), kAnswered);
  EXPECT_EQ(h.errorList(3), "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16");
  h.tick("Zéro");
  EXPECT_FALSE(h.box("Zéro").ticked);
  h.model.boutonClick(1);  // a visited question shows its correction
  EXPECT_EQ(h.controls().lcheck[1], "6");

  h.queueQuestion(3, 7);
  h.model.menuCommand("mnuReinitialiser");  // back to training
  EXPECT_EQ(h.controls().numero, "QCM3.7");
  EXPECT_TRUE(h.controls().bouton.empty());
  EXPECT_EQ(h.controls().question.tag, "Evaluation");
  EXPECT_EQ(h.controls().final, "");
}

}  // namespace
}  // namespace ventelle
