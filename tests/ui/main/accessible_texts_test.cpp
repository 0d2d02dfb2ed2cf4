// What a screen reader says of the main window's controls: names that follow
// the texts on show, and a name and a description for every control.
#include <gtest/gtest.h>

#include "ui/main/accessible_texts.h"
#include "ui/model_harness.h"

namespace ventelle {
namespace {

AccessibleTexts textsOf(const ModelHarness& h) { return h.model.accessibleTexts(); }

TEST(AccessibleTexts, EveryControlHasAFrenchNameAndDescription) {
  ModelHarness h;
  h.start(1, 1);
  h.model.menuCommand("mnjoueoie");  // the board's controls too
  const AccessibleTexts texts = textsOf(h);
  for (const char* name : {"LabelQuestion", "Check1", "Check5", "LCheck2", "Question", "Trombone", "Trombone_L",
                           "CetteQuestion", "Moyenne", "Final", "Historique", "Partie9", "Feu9", "delta_parapente",
                           "affiche_erreurs", "D", "Saisie", "Compt0", "Casoie68", "Casejoueur49", "PointsJoueur4"})
    EXPECT_TRUE(texts.contains(name)) << name;
  for (const auto& [control, text] : texts) {
    EXPECT_FALSE(text.name.empty()) << control;
    EXPECT_FALSE(text.description.empty()) << control;
  }
}

// Question A: Juste 6, Faux -2, Neutre 0.
TEST(AccessibleTexts, TheQuestionAnswersScoreAndVerdictNamesFollowWhatIsShown) {
  ModelHarness h;
  h.start(1, 1);
  AccessibleTexts texts = textsOf(h);
  EXPECT_EQ(texts["LabelQuestion"].name, "Texte de la question A ?");
  EXPECT_EQ(texts["Check1"].name, "Réponse 1 : Juste");
  EXPECT_EQ(texts["Check3"].name, "Réponse 3 : Neutre");
  EXPECT_EQ(texts["Check1"].description, "Touche 1 : cocher ou décocher cette réponse");
  EXPECT_EQ(texts["Question"].name, "Evaluation");
  EXPECT_EQ(texts["Question"].description, "notation de la question ; touche Entrée");
  EXPECT_EQ(texts["CetteQuestion"].name, "Points de cette question");

  h.mark({"Juste", "Faux"});
  texts = textsOf(h);
  EXPECT_EQ(texts["Question"].name, "Question Suivante");
  EXPECT_EQ(texts["CetteQuestion"].name, "Points de cette question : 4");
  EXPECT_EQ(texts["TotalPoints"].name, "Total des points : 4");
  EXPECT_EQ(texts["Moyenne"].name, "Moyenne sur 20 : 13");
  EXPECT_EQ(texts["NombreQuestionsPosees"].name, "Nombre de questions posées : 1");

  h.next(1, 4);  // S: Six -6, Bon 6
  texts = textsOf(h);
  EXPECT_EQ(texts["LabelQuestion"].name, "Texte de la question S ?");
  EXPECT_EQ(texts["Check2"].name, "Réponse 2 : Bon");
}

TEST(AccessibleTexts, TheVerdictIsTheNameOfTheFinalLabel) {
  ModelHarness h;
  h.start();
  h.onlyChapter(3, 1);
  EXPECT_EQ(textsOf(h)["Final"].name, "Résultat");
  h.markRun(3, 1, 16, "Zéro");
  EXPECT_EQ(textsOf(h)["Final"].name, "Vous échouez à l'examen.");
}

TEST(AccessibleTexts, AChapterLightSaysHowManyQuestionsAreLeftToReview) {
  ModelHarness h;
  h.start(1, 1);
  EXPECT_EQ(textsOf(h)["Feu1"].name, "Chapitre 1 : aucune question à revoir");
  h.mark({"Faux"});
  EXPECT_EQ(textsOf(h)["Feu1"].name, "Chapitre 1 : 1 question à revoir");
  h.next(1, 4);
  h.mark({"Six"});
  EXPECT_EQ(textsOf(h)["Feu1"].name, "Chapitre 1 : 2 questions à revoir");
  EXPECT_EQ(textsOf(h)["Partie1"].name.rfind("Chapitre 1 : ", 0), 0u);
}

TEST(AccessibleTexts, TheBoardNamesTheCountdownTheDieAndThePlayers) {
  ModelHarness h;
  h.start(1, 1);
  h.model.menuCommand("mnjoueoie");
  EXPECT_EQ(textsOf(h)["Saisie"].name, "Nom du joueur 1");
  h.model.gameNameEdited("Alice", 300);
  h.model.gameNameEntered();
  AccessibleTexts texts = textsOf(h);
  EXPECT_EQ(texts["Saisie"].name, "Nom du joueur 2");
  EXPECT_EQ(texts["Labeljoueur1"].name, "Alice");
  EXPECT_EQ(texts["Compt0"].name, "Compte à rebours : 20 secondes");
  EXPECT_EQ(texts["D"].name, "Dé");
  EXPECT_EQ(texts["D"].description, "Lancer le dé (touche Entrée ou Espace)");
}

TEST(AccessibleTexts, TheUserWindowNamesItsListAndTextBox) {
  UserWindowControls c;
  c.label2 = "Utilisateur actif: Marie";
  c.combo.text = "Marie";
  AccessibleTexts texts = userWindowAccessibleTexts(c);
  EXPECT_EQ(texts["Label2"].name, "Utilisateur actif: Marie");
  EXPECT_EQ(texts["ComboText"].name, "Nom de l'utilisateur : Marie");
  EXPECT_EQ(texts["CSupprimer"].name, "Supprimer un utilisateur");
  for (const auto& [control, text] : texts) EXPECT_FALSE(text.description.empty()) << control;
}

TEST(AccessibleTexts, QuestionsToReviewCountsInFrench) {
  EXPECT_EQ(questionsToReview(0), "aucune question à revoir");
  EXPECT_EQ(questionsToReview(1), "1 question à revoir");
  EXPECT_EQ(questionsToReview(12), "12 questions à revoir");
}

}  // namespace
}  // namespace ventelle
