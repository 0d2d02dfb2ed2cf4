// What the main window's model adds to the quiz: keys that act as the clicks
// they stand for, and what a screen reader says of the controls.
#include <gtest/gtest.h>

#include "ui/main/accessible_texts.h"
#include "ui/model_harness.h"

namespace ventelle {
namespace {

// Question A shows three answers: Juste 6, Faux -2, Neutre 0.
TEST(QuizKeys, DigitsTickTheAnswersOnShowEnterMarksThenGoesOnAndTheScreenReaderFollows) {
  ModelHarness h;
  h.start(1, 1);
  EXPECT_EQ(h.model.accessibleTexts()["Check3"].name, "Réponse 3 : Neutre");
  // "&": the unshifted top row of a French keyboard; the fourth box is hidden.
  for (const char* key : {"&", "2", "3", "3"}) EXPECT_TRUE(h.model.quizKey(key)) << key;
  for (const char* key : {"4", "x"}) EXPECT_FALSE(h.model.quizKey(key)) << key;
  EXPECT_FALSE(h.box("Neutre").ticked || h.controls().check[4].ticked);

  EXPECT_TRUE(h.model.quizKey("Return"));
  AccessibleTexts texts = h.model.accessibleTexts();
  EXPECT_EQ(texts["CetteQuestion"].name, "Points de cette question : 4");
  EXPECT_EQ(texts["Feu1"].name, "Chapitre 1 : 1 question à revoir");
  h.queueQuestion(1, 4);
  EXPECT_TRUE(h.model.quizKey("Enter"));
  EXPECT_EQ(h.controls().numero, "QCM1.S");

  h.model.menuCommand("mnjoueoie");  // the board's controls too
  texts = h.model.accessibleTexts();
  for (const char* name : {"LabelQuestion", "Check5", "LCheck5", "Partie9", "Feu9", "Saisie", "Casoie68"})
    EXPECT_TRUE(texts.contains(name)) << name;
  for (const auto& [control, text] : texts) EXPECT_FALSE(text.name.empty() || text.description.empty()) << control;
}

}  // namespace
}  // namespace ventelle
