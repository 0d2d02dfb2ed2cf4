#include <gtest/gtest.h>

#include "core/fatal_error.h"
#include "ui/model_harness.h"
#include "ui/window/skin_colours.h"

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

// Chapters 4, 5, 6 hold 10, 20, 30 questions. Question priority draws over
// the questions of the ticked chapters together, chapter priority over the
// ticked chapters.
TEST(QuestionDraw, BothModesDrawTheChapterOfTheirRankAndColourItsBox) {
  using Chapters = std::vector<int>;
  for (const auto& [ticked, mode, r, m, chapter] :
       {std::tuple{Chapters{4, 5, 6}, "mnuTQuest", 25, 60, 5}, {Chapters{4, 5, 6}, "mnuTQuest", 31, 60, 6},
        {Chapters{4, 5, 6}, "mnuTQuest", 10, 60, 4},  // the last question of the first chapter
        {Chapters{4, 5, 6}, "mnuTQuest", 11, 60, 5}, {Chapters{4, 6}, "mnuTQuest", 11, 40, 6},
        {Chapters{5}, "mnuTQuest", 20, 20, 5}, {Chapters{4, 5, 6}, "mnuTChap", 2, 3, 5},
        {Chapters{4, 6}, "mnuTChap", 2, 2, 6}}) {
    SCOPED_TRACE(testing::Message() << mode << " draws " << r << " of " << m << " for chapter " << chapter);
    ModelHarness h;
    h.start();
    h.onlyChapters(ticked, ticked.front(), 1);
    h.model.menuCommand(mode);

    h.random.queueDraw(r, m);
    h.queuePlace(chapter, 1);
    h.model.menuCommand("mnuReinitialiser");

    EXPECT_EQ(h.controls().numero, "QCM" + std::to_string(chapter) + ".1");
    EXPECT_EQ(h.random.pending(), 0u);
    const SkinColours skin;
    for (const int k : ticked)
      EXPECT_EQ(h.controls().partie[k].back, k == chapter ? skin.drawnChapterBack : skin.chapterBack) << k;
  }
}

TEST(QuestionDraw, WithNoChapterTickedTheMarkedQuestionStaysAndTheNextPressDrawsInsteadOfMarkingAgain) {
  ModelHarness h;
  h.start(1, 1);
  h.mark({"Juste"});
  h.tickOnly({});

  h.model.questionClick();
  h.model.questionClick();  // still none ticked

  const auto& c = h.controls();
  ASSERT_EQ(h.dialogs.shown.size(), 2u);
  EXPECT_EQ(h.dialogs.shown[0].icon, MessageIcon::Exclamation);
  EXPECT_EQ(h.dialogs.shown[0].title, "Attention !");
  EXPECT_EQ(h.dialogs.shown[0].text, "Sélectionnez au moins un chapitre !");
  EXPECT_EQ(c.numero, "QCM1.A");
  EXPECT_FALSE(h.box("Juste").ticked);
  EXPECT_EQ(c.lcheck[1], "");
  EXPECT_EQ(c.question.tag, "Evaluation");
  EXPECT_EQ(c.nombreQuestionsPosees, "1");

  h.model.chapterBoxClick(2);
  h.next(2, 1);

  EXPECT_EQ(c.numero, "QCM2.X");
  EXPECT_EQ(c.question.tag, "Evaluation");
  EXPECT_EQ(c.nombreQuestionsPosees, "1");
  EXPECT_EQ(c.totalPoints, "6");
  EXPECT_EQ(c.historique.size(), 1u);
  EXPECT_EQ(h.random.pending(), 0u);
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

// With the period at 4 and three questions marked, a change to 1 counts
// afresh: the first question marked under it brings the re-ask.
TEST(Reask, ChangingThePeriodStartsTheCountAgain) {
  ModelHarness h;
  h.start();
  h.onlyChapter(3, 1);
  h.model.menuCommand("mnurepose4");
  h.mark({"Zéro"});  // list "1"
  h.next(3, 2);
  h.markRun(3, 2, 2, "Six");
  h.model.menuCommand("mnurepose1");
  EXPECT_TRUE(h.controls().menus.at("mnurepose1").checked);
  EXPECT_FALSE(h.controls().menus.at("mnurepose4").checked);
  EXPECT_EQ(h.model.reaskPeriod(), 1);

  h.next(3, 4);
  EXPECT_FALSE(h.controls().line1);
  h.mark({"Six"});
  h.queueReask(3, "1");
  h.model.questionClick();

  EXPECT_TRUE(h.controls().line1);
  EXPECT_EQ(h.controls().numero, "QCM3.1");
  EXPECT_EQ(h.random.pending(), 0u);
}

// The list holds 5, 9 and 2, in the order they were missed.
TEST(Reask, FromAListOfSeveralNamesTheDrawPicksTheNameOfItsRank) {
  for (const std::string name : {"5", "9", "2"}) {
    SCOPED_TRACE(name);
    ModelHarness h;
    h.start();
    h.onlyChapter(3, 5);
    h.mark({"Zéro"});
    h.next(3, 9);
    h.mark({"Zéro"});
    h.next(3, 2);
    h.mark({"Zéro"});
    ASSERT_EQ(h.errorList(3), "5,9,2");
    h.model.menuCommand("mnurepose1");
    h.next(3, 4);
    h.mark({"Six"});

    h.queueReask(3, name);
    h.model.questionClick();

    EXPECT_TRUE(h.controls().line1);
    EXPECT_EQ(h.controls().numero, "QCM3." + name);
    EXPECT_EQ(h.random.pending(), 0u);
  }
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
