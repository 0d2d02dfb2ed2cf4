#include <functional>
#include <optional>

#include <gtest/gtest.h>

#include "ui/model_harness.h"
#include "ui/quiz/history.h"
#include "ui/window/messages.h"
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
  EXPECT_TRUE(c.cetteQuestion == "4" && c.moyenne == "13" && c.lcheck[2] == "-2");
  EXPECT_TRUE(h.box("Faux").back == 49407u && h.box("Faux").text == SkinColours{}.mistakeText &&
              h.box("Juste").back == SkinColours{}.answerBack);

  h.next(1, 4);  // S: Six -6, Bon 6, two mistakes in one question
  h.mark({"Six"});
  EXPECT_TRUE(h.box("Bon").back == 255u && h.errorList(1) == "A,S" && h.dialogs.shown.empty());
  h.tick("Bon");
  EXPECT_FALSE(h.box("Bon").ticked);
  EXPECT_EQ(h.dialogs.count(messages::kNoChangeAfterCorrection), 1);
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
    for (int i = 1; i <= 16; ++i) {  // 270 is now out of reach
      if (i > 1) h.next(3, i);
      h.mark({"Zéro"});
    }
    EXPECT_TRUE(h.controls().final == verdict && h.controls().question.visible == !*verdict) << untick;
    EXPECT_EQ(h.controls().feu[3].colour, colours::kRed);
  }
}

// DGAC banks mark all or nothing: half of B's answers earn nothing there.
TEST(Marking, ADgacBankMarksAllOrNothing) {
  for (const auto& [item, points] : {std::pair{"", "3"}, {"mnuULM", "0"}}) {
    ModelHarness h;
    h.folder.write("ulm/uChapitre1.dat", chapterFileText({{"B", {{"Moitié", 3}, {"Autre moitié", 3}, {"Erreur", -3}}}}));
    h.start(1, 2);
    if (*item) {
      for (const auto& [drawn, of] : {std::pair{1, 6}, {1, 1}, {1, 3}, {2, 3}, {3, 3}}) h.random.queueDraw(drawn, of);
      h.model.menuCommand(item);
    }
    h.mark({"Moitié"});
    EXPECT_EQ(h.controls().cetteQuestion, points) << item;
  }
}

TEST(ChapterLight, TurnsOrangeAtFourMistakesAndRedPastTen) {
  EXPECT_TRUE(lightColour(3) == colours::kGreen && lightColour(4) == colours::kOrange &&
              lightColour(10) == colours::kOrange && lightColour(11) == colours::kRed);
}

// Exam 7 in full-questionnaire mode; 16 questions without their right answer.
TEST(FullQuestionnaire, ButtonsKeepTheirTicksAndTheMarkingWaitsForEveryOneThenColoursThem) {
  ModelHarness h;
  h.startFullQuestionnaire(true);  // the mode turns re-asks off
  EXPECT_EQ(h.model.reaskPeriod(), 0);
  for (int k = 1; k <= 59; ++k) h.answerButton(k, k <= 16 ? "Zéro" : "Six");
  h.model.boutonClick(17);
  EXPECT_TRUE(h.box("Six").ticked);
  h.model.questionClick();
  EXPECT_TRUE(h.dialogs.count(messages::kFinishQuestionnaire) == 1 && !h.controls().bouton[59].back);

  h.answerButton(60, "Six");
  h.model.questionClick();
  EXPECT_TRUE(h.controls().final == "Vous échouez à l'examen." && h.controls().totalPoints == "264");  // pass mark 270
  EXPECT_TRUE(h.controls().bouton[15].back == 255u && h.controls().bouton[16].back == 65280u);
  EXPECT_EQ(h.errorList(3), "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16");
  h.model.boutonClick(1);  // a visited question shows its correction
  EXPECT_EQ(h.controls().lcheck[1], "6");

  h.queueQuestion(3, 7);
  h.model.menuCommand("mnuReinitialiser");  // back to training
  EXPECT_TRUE(h.controls().numero == "QCM3.7" && h.controls().bouton.empty() && h.controls().final.empty());
}

// Exam 7 with X of chapter 2 answered wrongly.
TEST(ErrorPanel, F1OnAChapterBoxShowsItsMistakesUntilF1AgainAQuestionPressOrAChapterClick) {
  ModelHarness h;
  h.start(2, 1);
  h.mark({"Non"});
  const std::function<void()> closers[] = {[&] { h.model.chapterBoxHelp(2); }, [&] { h.next(2, 2); },
                                           [&] { h.model.chapterBoxClick(5); }, [&] { h.model.menuCommand("mnurepose4"); },
                                           [&] { EXPECT_TRUE(h.model.mouseOverErrorPanel()); }};
  for (const auto& close : closers) {
    h.model.chapterBoxHelp(2);
    EXPECT_EQ(h.controls().erreursCaption + " " + h.controls().afficheErreurs,
              "QCM Parapente 2004 - Brevet de Pilote: Erreurs sur le chapitre \"Mécanique de Vol Générale\" X");
    close();
    EXPECT_FALSE(h.controls().erreursVisible);
  }
}

}  // namespace
}  // namespace ventelle
