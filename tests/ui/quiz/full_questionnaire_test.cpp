#include <algorithm>
#include <optional>
#include <tuple>

#include <gtest/gtest.h>

#include "ui/model_harness.h"

namespace ventelle {
namespace {

constexpr Colour kCurrent = 0xFF0000;
constexpr Colour kAnswered = 65280;
constexpr Colour kWrong = 255;

// Exam 7 in full-questionnaire mode, on chapter 3 alone (60 questions).
class FullQuestionnaireTest : public ::testing::Test {
 protected:
  void SetUp() override {
    h.setComment(3, 60, "Lex:«Ascendance»");  // the question shown once all are marked
    h.start();
    h.onlyChapter(3, 1);
    h.model.menuCommand("mnurepose8");  // the mode turns re-asks off
    h.queueQuestion(3, 1);              // the reset's draw
    h.queueQuestion(3, 1);              // button 1
    h.model.menuCommand("mnuEvaluation");
  }

  // Goes to button k (its question is question k of chapter 3) and ticks that answer.
  void answer(int k, const std::string& caption) {
    if (h.model.quiz().questionRecords[k - 1].nbRep == 0) h.queueQuestion(3, k);
    h.model.boutonClick(k);
    if (!caption.empty()) h.tick(caption);
  }
  // Every button answered, the first `wrong` ones without their right answer.
  void answerAll(int wrong) {
    for (int k = 1; k <= 60; ++k) answer(k, k <= wrong ? "Zéro" : "Six");
  }
  std::optional<Colour> colourOf(int k) const { return h.controls().bouton[k - 1].back; }

  ModelHarness h;
};

TEST_F(FullQuestionnaireTest, EnteringLaysOutTheButtonsAndAnUnansweredOneRefusesTheMarking) {
  const auto& c = h.controls();
  EXPECT_EQ(c.bouton.size(), 60u);
  EXPECT_EQ(c.gridColumns, 4);
  EXPECT_EQ(c.gridRows, 15);
  EXPECT_EQ(colourOf(1), kCurrent);
  EXPECT_EQ(c.numero, "QCM3.1");
  EXPECT_EQ(c.question.tag, "Boutons");
  EXPECT_EQ(c.nombreQuestionsPosees, "60");
  EXPECT_FALSE(c.menus.at("mnuFRepose").visible);
  EXPECT_EQ(h.model.reaskPeriod(), 0);

  answer(1, "Six");
  answer(2, "");
  answer(3, "Zéro");

  h.model.questionClick();

  ASSERT_EQ(h.dialogs.shown.size(), 1u);
  EXPECT_EQ(h.dialogs.shown[0].icon, MessageIcon::Exclamation);
  EXPECT_EQ(h.dialogs.shown[0].title, "Attention !");
  EXPECT_EQ(h.dialogs.shown[0].text,
            "Vous devez terminer le questionnaire avant de passer\n"
            "à l'évaluation. Pour être évalué en cours de questionnaire,\n"
            "passez en mode \"Evaluation Continue\"");
  EXPECT_EQ(colourOf(1), kAnswered);
  EXPECT_EQ(colourOf(2), std::nullopt);
  EXPECT_EQ(colourOf(3), kCurrent);
  EXPECT_TRUE(h.controls().question.visible);
  EXPECT_EQ(h.controls().final, "");
  EXPECT_EQ(h.controls().totalPoints, "");
}

// Buttons answered without the right answer, total, verdict.
using VerdictCase = std::tuple<int, std::string, std::string>;
class FullQuestionnaireVerdictTest : public FullQuestionnaireTest,
                                     public ::testing::WithParamInterface<VerdictCase> {};

// The pass mark is 75 % of 360: 270, 45 right answers.
TEST_P(FullQuestionnaireVerdictTest, MarkingEveryButtonGivesTheVerdictAndColoursEachButton) {
  const auto& [wrong, total, verdict] = GetParam();
  answerAll(wrong);

  h.model.questionClick();

  EXPECT_EQ(h.controls().final, verdict);
  EXPECT_EQ(h.controls().totalPoints, total);
  EXPECT_FALSE(h.controls().question.visible);
  EXPECT_TRUE(h.controls().tromboneL);
  EXPECT_EQ(colourOf(1), kWrong);
  EXPECT_EQ(colourOf(wrong), kWrong);
  EXPECT_EQ(colourOf(wrong + 1), kAnswered);
  const std::string& list = h.errorList(3);
  EXPECT_EQ(std::count(list.begin(), list.end(), ',') + 1, wrong);
  EXPECT_EQ(h.controls().feu[3].colour, colours::kRed);

  h.tick("Zéro");  // on the last question, after marking
  EXPECT_FALSE(h.box("Zéro").ticked);
  EXPECT_EQ(h.dialogs.count("Vous ne pouvez pas modifier vos réponses après correction"), 1);

  h.model.boutonClick(1);  // a visited question shows its correction
  EXPECT_EQ(h.controls().lcheck[1], "6");
  h.model.boutonClick(2);
  EXPECT_EQ(colourOf(1), kWrong);
}

INSTANTIATE_TEST_SUITE_P(Model, FullQuestionnaireVerdictTest,
                         ::testing::Values(VerdictCase{15, "270", "Vous avez votre brevet !!!"},
                                           VerdictCase{16, "264", "Vous échouez à l'examen."}));

// Chapter 1 alone; P5 is a paraglider question, so it shows the wing mark.
TEST(FullQuestionnaireWing, PassingAQuestionEmptiesItsSlotForAFreshOneThatLaterVisitsShow) {
  ModelHarness h;
  h.start();
  h.onlyChapter(1, 1);
  h.queueQuestion(1, 2);  // the reset on entering the mode
  h.queueQuestion(1, 5);  // button 1
  h.model.menuCommand("mnuEvaluation");
  ASSERT_EQ(h.controls().wingMark, 'P');
  h.tick("Oui");

  h.queueQuestion(1, 3);
  h.model.wingClick();

  EXPECT_EQ(h.controls().numero, "QCM1.C");
  EXPECT_EQ(h.controls().bouton[0].back, kCurrent);
  for (int i = 1; i <= 5; ++i) EXPECT_FALSE(h.controls().check[i].ticked) << i;

  h.queueQuestion(1, 4);
  h.model.boutonClick(2);
  EXPECT_EQ(h.controls().bouton[0].back, std::nullopt);  // the tick went with P5
  h.model.boutonClick(1);
  EXPECT_EQ(h.controls().numero, "QCM1.C");
  EXPECT_EQ(h.random.pending(), 0u);
}

// R.A.Z., or a change of marking, from a marked questionnaire.
class FullQuestionnaireRestartTest : public FullQuestionnaireTest,
                                     public ::testing::WithParamInterface<const char*> {};

TEST_P(FullQuestionnaireRestartTest, StartsOverInTrainingModeOnAFreshQuestionWithoutThePaperclipOfTheLastOne) {
  answerAll(0);
  h.model.questionClick();
  ASSERT_TRUE(h.controls().tromboneL);

  h.queueQuestion(3, 7);
  h.model.menuCommand(GetParam());

  const auto& c = h.controls();
  EXPECT_EQ(c.numero, "QCM3.7");
  EXPECT_FALSE(c.tromboneL);
  EXPECT_FALSE(c.trombone);
  EXPECT_FALSE(h.box("Six").ticked);
  EXPECT_EQ(c.lcheck[1], "");
  EXPECT_TRUE(c.bouton.empty());
  EXPECT_TRUE(c.menus.at("mnuEvaluation").checked);
  EXPECT_TRUE(c.menus.at("mnuFRepose").visible);
  EXPECT_TRUE(c.menus.at("mnuComplet").visible);
  EXPECT_TRUE(c.question.visible);
  EXPECT_EQ(c.question.tag, "Evaluation");
  EXPECT_EQ(c.question.toolTip, "notation de la question");
  EXPECT_TRUE(c.historiqueVisible);
  EXPECT_FALSE(c.finalAtBottom);
  EXPECT_EQ(c.final, "");
  EXPECT_EQ(c.totalPoints, "");
  EXPECT_EQ(c.nombreQuestionsPosees, "");
  EXPECT_EQ(h.random.pending(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Model, FullQuestionnaireRestartTest,
                         ::testing::Values("mnuReinitialiser", "mnuConforme"));

}  // namespace
}  // namespace ventelle
