#include <gtest/gtest.h>

#include "ui/model_harness.h"
#include "ui/quiz/marking_flow.h"
#include "ui/window/menu_bar.h"
#include "ui/window/skin_colours.h"

namespace ventelle {
namespace {

// The colour table itself is checked in tests/quiz.
TEST(Marking, FederationExamScoresRightPlusWrongAndListsEachMistakenQuestionOnce) {
  ModelHarness h;
  h.start(1, 1);  // A: Juste 6, Faux -2, Neutre 0

  h.mark({"Juste", "Faux"});

  const auto& c = h.controls();
  EXPECT_EQ(c.cetteQuestion, "4");
  EXPECT_EQ(c.totalPoints, "4");
  EXPECT_EQ(c.moyenne, "13");
  EXPECT_EQ(h.box("Faux").back, 49407u);
  EXPECT_EQ(h.box("Faux").text, SkinColours{}.mistakeText);
  EXPECT_EQ(h.box("Juste").back, SkinColours{}.answerBack);
  EXPECT_EQ(h.errorList(1), "A");

  h.next(1, 4);  // S: Six -6, Bon 6
  h.mark({"Six"});
  EXPECT_EQ(h.box("Bon").back, 255u);  // a right answer left unticked
  EXPECT_EQ(h.errorList(1), "A,S");
  EXPECT_TRUE(h.dialogs.shown.empty());
}

// The model runs only the default federation exam so far: the authority's
// exams are marked here on a window context of their bank.
TEST(Marking, AuthorityExamsScoreAllOrNothing) {
  for (const auto& [bankPrefix, wrongTicked, points] : {std::tuple{"2004\\4", true, 4}, {"ulm\\u", true, 0},
                                                        {"planeur\\p", true, 0}, {"avion\\a", true, 0},
                                                        {"ulm\\u", false, 6}}) {
    RecordingDialogs dialogs;
    RecordingDesktop desktop;
    RecordingPrintService printer;
    PlannedRandom random;
    ChapterLibrary library(ProgramFolder("."));
    WindowContext ctx(dialogs, desktop, random, library, printer);
    ctx.controls.menus = initialMenuBar();
    ctx.bankPrefix = bankPrefix;
    ctx.quiz.question.answerCount = 2;
    ctx.quiz.question.answerValues = {0, 6, -2};
    ctx.controls.check[1].ticked = true;
    ctx.controls.check[2].ticked = wrongTicked;

    EXPECT_EQ(evaluateQuestion(ctx), points) << bankPrefix;
    EXPECT_EQ(ctx.controls.cetteQuestion, std::to_string(points)) << bankPrefix;
  }
}

TEST(Marking, ConformMarkingFloorsANegativeScoreAtZero) {
  for (const auto& [conform, points, moyenne] : {std::tuple{true, "0", "0"}, {false, "-3", "-10"}}) {
    ModelHarness h;
    h.start(1, 2);  // B: Moitié 3, Autre moitié 3, Erreur -3
    if (!conform) {
      h.queueQuestion(1, 2);  // the option starts the test over
      h.model.menuCommand("mnuConforme");
    }

    h.mark({"Erreur"});

    EXPECT_EQ(h.controls().menus.at("mnuConforme").checked, conform);
    EXPECT_EQ(h.controls().cetteQuestion, points);
    EXPECT_EQ(h.controls().totalPoints, points);
    EXPECT_EQ(h.controls().moyenne, moyenne);
  }
}

// Question 1 of chapter 3 answered wrongly, then asked again (with the re-ask
// period at 1 every draw is a re-ask while the list holds a name) and
// answered wrongly again or rightly.
TEST(Marking, ListedQuestionWrongAgainWarnsWithoutGrowingTheListAndSixTakesItOff) {
  for (const auto& [caption, list, warned] : {std::tuple{"Zéro", "1", true}, {"Six", "", false}}) {
    ModelHarness h;
    h.start();
    h.onlyChapter(3, 1);
    h.model.menuCommand("mnurepose1");
    h.mark({"Zéro"});
    h.queueReask(3, "1");
    h.model.questionClick();
    ASSERT_EQ(h.controls().numero, "QCM3.1");

    h.mark({caption});

    EXPECT_EQ(h.errorList(3), list) << caption;
    ASSERT_EQ(h.dialogs.shown.size(), warned ? 1u : 0u) << caption;
    if (!warned) continue;
    EXPECT_EQ(h.dialogs.shown[0].icon, MessageIcon::Information);
    EXPECT_EQ(h.dialogs.shown[0].title, "Vous avez déjà fait cette faute !");
    EXPECT_EQ(h.dialogs.shown[0].text, "Révisez cette question");
  }
}

// Exam 7 asks 60 questions with a pass mark of 270: after 15 questions at 0
// the best reachable is 45 x 6 = 270, after 16 it is 264. The verdict rules
// themselves are checked in tests/quiz.
TEST(Marking, SixteenQuestionsAtZeroFailOnlyWhenStoppingOnFailure) {
  const char* const failed = "Vous échouez à l'examen.";
  for (const auto& [untickedEntries, verdict] :
       {std::pair{std::vector<std::string>{}, failed}, {{"mnuCompletRE1"}, failed}, {{"mnuCompletRE2"}, ""},
        {{"mnuCompletRE1", "mnuCompletRE2"}, ""}}) {
    SCOPED_TRACE(testing::PrintToString(untickedEntries));
    ModelHarness h;
    h.start();
    h.onlyChapter(3, 1);
    for (const auto& entry : untickedEntries) h.model.menuCommand(entry);

    h.markRun(3, 1, 15, "Zéro");
    EXPECT_EQ(h.controls().final, "");

    h.next(3, 16);
    h.mark({"Zéro"});
    EXPECT_EQ(h.controls().final, verdict);
    EXPECT_EQ(h.controls().question.visible, std::string(verdict).empty());
  }
}

TEST(LateTick, AfterMarkingBothTickAndUntickAreRefusedAndUndone) {
  ModelHarness h;
  h.start(1, 1);
  h.mark({"Juste"});

  h.tick("Faux");
  h.tick("Juste");

  EXPECT_FALSE(h.box("Faux").ticked);
  EXPECT_TRUE(h.box("Juste").ticked);
  EXPECT_EQ(h.dialogs.count("Vous ne pouvez pas modifier vos réponses après correction"), 2);
  EXPECT_EQ(h.dialogs.shown[0].title, "Attention !");
}

}  // namespace
}  // namespace ventelle
