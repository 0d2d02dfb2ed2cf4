// What a screen reader says of the main window's controls.
#include <gtest/gtest.h>

#include "ui/main/accessible_texts.h"
#include "ui/model_harness.h"

namespace ventelle {
namespace {

// Question A: Juste 6, Faux -2, Neutre 0.
TEST(AccessibleTexts, EveryControlIsNamedAndDescribedAndTheNamesFollowWhatIsShown) {
  ModelHarness h;
  h.start(1, 1);
  EXPECT_EQ(h.model.accessibleTexts()["Check3"].name, "Réponse 3 : Neutre");
  h.mark({"Juste", "Faux"});
  AccessibleTexts texts = h.model.accessibleTexts();
  EXPECT_EQ(texts["Question"].name, "Question Suivante");
  EXPECT_EQ(texts["CetteQuestion"].name, "Points de cette question : 4");
  EXPECT_EQ(texts["Feu1"].name, "Chapitre 1 : 1 question à revoir");

  h.model.menuCommand("mnjoueoie");  // the board's controls too
  texts = h.model.accessibleTexts();
  for (const char* name : {"LabelQuestion", "Check5", "LCheck5", "Partie9", "Feu9", "Saisie", "Casoie68",
                           "PointsJoueur4"})
    EXPECT_TRUE(texts.contains(name)) << name;
  for (const auto& [control, text] : texts) EXPECT_FALSE(text.name.empty() || text.description.empty()) << control;
}

}  // namespace
}  // namespace ventelle
