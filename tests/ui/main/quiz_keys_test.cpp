// The quiz's keys act as the clicks they stand for.
#include <gtest/gtest.h>

#include "ui/model_harness.h"

namespace ventelle {
namespace {

// Question A shows three answers: Juste 6, Faux -2, Neutre 0.
TEST(QuizKeys, DigitsTickTheAnswersOnShowAndEnterMarksThenGoesOn) {
  ModelHarness h;
  h.start(1, 1);
  EXPECT_TRUE(h.model.quizKey("&"));  // the unshifted top row of a French keyboard
  EXPECT_TRUE(h.model.quizKey("2"));
  EXPECT_TRUE(h.model.quizKey("3"));
  EXPECT_TRUE(h.model.quizKey("3"));
  EXPECT_FALSE(h.model.quizKey("4"));  // the fourth box is hidden
  EXPECT_FALSE(h.model.quizKey("x"));
  EXPECT_FALSE(h.box("Neutre").ticked);
  EXPECT_FALSE(h.controls().check[4].ticked);

  EXPECT_TRUE(h.model.quizKey("Return"));
  EXPECT_EQ(h.controls().cetteQuestion, "4");
  h.queueQuestion(1, 4);
  EXPECT_TRUE(h.model.quizKey("Enter"));
  EXPECT_EQ(h.controls().numero, "QCM1.S");
}

}  // namespace
}  // namespace ventelle
