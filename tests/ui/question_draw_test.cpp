#include <gtest/gtest.h>

#include "core/fatal_error.h"
#include "ui/model_harness.h"
#include "ui/skin_colours.h"

namespace ventelle {
namespace {

TEST(QuestionDraw, DrawingADamagedQuestionStopsNamingFileAndQuestion) {
  ModelHarness h;
  h.start();
  h.folder.write("2004/4Chapitre3.dat", "[Q1]\nTexte=Quoi ?\nOui=6\n");
  h.tickOnly({3});
  h.random.queueDraw(1, 1);  // chapter 3, the one ticked
  h.random.queueDraw(1, 1);  // its one question
  try {
    h.model.menuCommand("mnuReinitialiser");
    ADD_FAILURE() << "the damaged question was shown";
  } catch (const FatalError& error) {
    EXPECT_STREQ(error.what(),
                 "Le fichier 2004\\4Chapitre3.dat est corrompu à la question Q1, l'application va se terminer");
  }
}

// Chapters 4, 5, 6 hold 10, 20, 30 questions. Each draw lands in another
// chapter under the other mode.
TEST(QuestionDraw, BothModesDrawTheChapterOfTheirRankAndColourItsBox) {
  for (const auto& [mode, r, m, chapter] : {std::tuple{"mnuTQuest", 25, 60, 5}, {"mnuTQuest", 31, 60, 6},
                                            {"mnuTChap", 2, 3, 5}}) {
    SCOPED_TRACE(testing::Message() << mode << " draws " << r << " of " << m);
    ModelHarness h;
    h.start();
    h.onlyChapters({4, 5, 6}, 4, 1);
    h.model.menuCommand(mode);

    h.random.queueDraw(r, m);
    h.queuePlace(chapter, 1);
    h.model.menuCommand("mnuReinitialiser");

    EXPECT_EQ(h.controls().numero, "QCM" + std::to_string(chapter) + ".1");
    EXPECT_EQ(h.random.pending(), 0u);
    const SkinColours skin;
    for (const int k : {4, 5, 6})
      EXPECT_EQ(h.controls().partie[k].back, k == chapter ? skin.drawnChapterBack : skin.chapterBack) << k;
  }
}

TEST(QuestionDraw, WingMarkPassesTheQuestionForAFreshUnmarkedOne) {
  ModelHarness h;
  h.start(1, 5);
  ASSERT_EQ(h.controls().wingMark, 'P');

  h.queueQuestion(1, 1);
  h.model.wingClick();

  EXPECT_EQ(h.controls().numero, "QCM1.A");
  EXPECT_EQ(h.controls().question.tag, "Evaluation");
  EXPECT_TRUE(h.controls().historique.empty());
}

// Chapter 3 alone holds questions "1".."60".
TEST(Reask, EmptyListPostponesTheReaskPastTheNextMarkingThenItsOneNameIsReasked) {
  ModelHarness h;
  h.start();
  h.onlyChapter(3, 1);
  h.model.menuCommand("mnurepose4");
  h.markRun(3, 1, 4, "Six");  // the list stays empty
  h.next(3, 5);
  EXPECT_EQ(h.model.quiz().repeatCounter, 3);
  EXPECT_FALSE(h.controls().line1);

  h.mark({"Zéro"});  // the list now holds the one name "5"
  h.queueReask(3, "5");
  h.model.questionClick();

  EXPECT_TRUE(h.controls().line1);
  EXPECT_EQ(h.controls().numero, "QCM3.5");
  EXPECT_EQ(h.random.pending(), 0u);  // no place was drawn
  EXPECT_EQ(h.model.quiz().repeatCounter, 0);
}

TEST(Reask, NameNoLongerInTheChapterFallsBackToADrawByPlace) {
  ModelHarness h;
  h.start();
  h.onlyChapter(3, 1);
  h.model.menuCommand("mnurepose1");
  h.mark({"Zéro"});  // list "1"
  BankChapter renamed = numberedChapter(60);
  renamed[0].name = "Un";
  h.folder.write("2004/4Chapitre3.dat", chapterFileText(renamed));

  h.next(3, 7);

  EXPECT_FALSE(h.controls().line1);
  EXPECT_EQ(h.controls().numero, "QCM3.7");
  EXPECT_TRUE(h.dialogs.shown.empty());
}

// Chapter 2 alone holds X, Y and Z.
TEST(AntiDuplicate, MarkedQuestionIsDrawnAgainOnlyOnceAllAreMarkedAndAfterOneWarning) {
  ModelHarness h;
  h.start();
  h.onlyChapter(2, 1);
  h.mark({"Oui"});
  h.queueAskedAgain(2, 1);  // X again: replaced by the next draw
  h.next(2, 2);
  EXPECT_EQ(h.controls().numero, "QCM2.Y");
  h.markRun(2, 2, 2, "Oui");
  EXPECT_TRUE(h.dialogs.shown.empty());

  h.next(2, 1);
  ASSERT_EQ(h.dialogs.shown.size(), 1u);
  EXPECT_EQ(h.dialogs.shown[0].icon, MessageIcon::Information);
  EXPECT_EQ(h.dialogs.shown[0].text,
            "Les questions des chapitres sélectionnés ont toutes été posées,\n"
            "le compteur anti-doublon va être invalidé.");
  EXPECT_EQ(h.controls().numero, "QCM2.X");

  h.mark({"Oui"});
  h.next(2, 2);
  EXPECT_EQ(h.dialogs.shown.size(), 1u);
  EXPECT_EQ(h.controls().numero, "QCM2.Y");
}

}  // namespace
}  // namespace ventelle
