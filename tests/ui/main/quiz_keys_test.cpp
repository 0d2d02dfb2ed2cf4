// The quiz's keys: which key does what, and that each acts as the click it
// stands for.
#include <gtest/gtest.h>

#include "ui/main/quiz_keys.h"
#include "ui/model_harness.h"
#include "ui/window/messages.h"

namespace ventelle {
namespace {

struct KeyCase {
  const char* key;
  QuizKeyCommand command;
};

class QuizKeyTable : public ::testing::TestWithParam<KeyCase> {};

TEST_P(QuizKeyTable, MapsTheKeyToItsCommand) {
  EXPECT_EQ(quizKeyCommand(GetParam().key), GetParam().command);
}

constexpr QuizKeyCommand tickOf(int n) { return {QuizKeyAction::TickAnswer, n}; }
constexpr QuizKeyCommand kPress{QuizKeyAction::PressQuestion, 0};
constexpr QuizKeyCommand kNothing{};

INSTANTIATE_TEST_SUITE_P(Keys, QuizKeyTable,
                         ::testing::Values(KeyCase{"1", tickOf(1)}, KeyCase{"3", tickOf(3)}, KeyCase{"5", tickOf(5)},
                                           // unshifted top row of a French keyboard
                                           KeyCase{"&", tickOf(1)}, KeyCase{"é", tickOf(2)},
                                           KeyCase{"\"", tickOf(3)}, KeyCase{"'", tickOf(4)},
                                           KeyCase{"(", tickOf(5)}, KeyCase{"Return", kPress},
                                           KeyCase{"Enter", kPress},
                                           // no sixth answer; other keys are the widgets'
                                           KeyCase{"6", kNothing}, KeyCase{"0", kNothing}, KeyCase{"-", kNothing},
                                           KeyCase{"Space", kNothing}, KeyCase{"F1", kNothing},
                                           KeyCase{"", kNothing}));

TEST(QuizKeys, EveryListedKeyDoesSomethingAndEachAnswerHasADigit) {
  std::array<bool, kMaxAnswers + 1> digit{};
  for (const std::string_view key : quizKeys()) {
    const QuizKeyCommand command = quizKeyCommand(key);
    EXPECT_NE(command.action, QuizKeyAction::None) << key;
    if (key.size() == 1 && key[0] >= '1' && key[0] <= '5') digit[key[0] - '0'] = command.answer == key[0] - '0';
  }
  for (int n = 1; n <= kMaxAnswers; ++n) EXPECT_TRUE(digit[n]) << n;
}

// Question A shows three answers: Juste 6, Faux -2, Neutre 0.
TEST(QuizKeys, DigitsTickAndUntickOnlyTheAnswersOnShow) {
  ModelHarness h;
  h.start(1, 1);
  EXPECT_TRUE(h.model.quizKey("1"));
  EXPECT_TRUE(h.box("Juste").ticked);
  EXPECT_TRUE(h.model.quizKey("&"));
  EXPECT_FALSE(h.box("Juste").ticked);
  EXPECT_TRUE(h.model.quizKey("3"));
  EXPECT_TRUE(h.box("Neutre").ticked);

  EXPECT_FALSE(h.model.quizKey("4"));  // the fourth box is hidden
  EXPECT_FALSE(h.controls().check[4].ticked);
  EXPECT_FALSE(h.model.quizKey("x"));
}

TEST(QuizKeys, EnterMarksThenGoesOnAndALateDigitIsRefusedAsALateClick) {
  ModelHarness h;
  h.start(1, 1);
  h.model.quizKey("1");
  h.model.quizKey("2");
  EXPECT_TRUE(h.model.quizKey("Return"));
  EXPECT_EQ(h.controls().question.tag, tags::kQuestion);
  EXPECT_EQ(h.controls().cetteQuestion, "4");  // Juste 6 + Faux -2, as with the mouse

  h.model.quizKey("3");
  EXPECT_EQ(h.dialogs.count(messages::kNoChangeAfterCorrection), 1);
  EXPECT_FALSE(h.box("Neutre").ticked);

  h.queueQuestion(1, 4);  // S: Six -6, Bon 6
  EXPECT_TRUE(h.model.quizKey("Enter"));
  EXPECT_EQ(h.controls().question.tag, tags::kEvaluation);
  EXPECT_TRUE(h.controls().check[2].visible);
  EXPECT_FALSE(h.controls().check[3].visible);
  EXPECT_EQ(h.controls().nombreQuestionsPosees, "1");
}

TEST(QuizKeys, EnterDoesNothingOnceTheVerdictHidesTheQuestionButton) {
  ModelHarness h;
  h.start();
  h.onlyChapter(3, 1);
  h.markRun(3, 1, 16, "Zéro");  // 16 questions at 0 fail exam 7
  ASSERT_FALSE(h.controls().final.empty());
  ASSERT_FALSE(h.controls().question.visible);
  EXPECT_FALSE(h.model.quizKey("Return"));
  EXPECT_EQ(h.controls().nombreQuestionsPosees, "16");
}

}  // namespace
}  // namespace ventelle
