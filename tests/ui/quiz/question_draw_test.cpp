#include <filesystem>
#include <functional>

#include <gtest/gtest.h>

#include "fakes/tiny_jpeg.h"
#include "ui/model_harness.h"
#include "ui/window/skin_colours.h"

namespace ventelle {
namespace {

// Chapters 4, 5, 6 hold 10, 20, 30 questions. Question priority draws over
// the questions of the ticked chapters together, chapter priority over the
// ticked chapters; the box of the chapter drawn is coloured.
TEST(QuestionDraw, EachModeDrawsTheChapterOfItsRank) {
  using Chapters = std::vector<int>;
  for (const auto& [ticked, mode, r, m, chapter] :
       {std::tuple{Chapters{4, 5, 6}, "mnuTQuest", 10, 60, 4}, {Chapters{4, 5, 6}, "mnuTQuest", 11, 60, 5},
        {Chapters{4, 6}, "mnuTQuest", 11, 40, 6}, {Chapters{4, 5, 6}, "mnuTChap", 2, 3, 5}}) {
    ModelHarness h;
    h.start();
    h.onlyChapters(ticked, ticked.front(), 1);
    h.model.menuCommand(mode);
    h.random.queueDraw(r, m);
    h.queuePlace(chapter, 1);
    h.model.menuCommand("mnuReinitialiser");
    EXPECT_EQ(h.controls().numero, "QCM" + std::to_string(chapter) + ".1") << mode << r;
    EXPECT_EQ(h.controls().partie[chapter].back, SkinColours{}.drawnChapterBack);
    EXPECT_EQ(h.controls().partie[ticked.front() == chapter ? 6 : 4].back, SkinColours{}.chapterBack);
  }
}

TEST(QuestionDraw, WithNoChapterTickedTheUserIsToldAndTheWingMarkPassesAQuestion) {
  ModelHarness h;
  h.start(1, 5);
  ASSERT_EQ(h.controls().wingMark, 'P');
  h.queueQuestion(1, 1);
  h.model.wingClick();
  EXPECT_EQ(h.controls().numero, "QCM1.A");
  EXPECT_TRUE(h.controls().historique.empty());

  h.mark({"Juste"});
  h.tickOnly({});
  h.model.questionClick();
  EXPECT_EQ(h.dialogs.count("Sélectionnez au moins un chapitre !"), 1);
  EXPECT_EQ(h.controls().question.tag, "Evaluation");
  h.model.chapterBoxClick(2);
  h.next(2, 1);
  EXPECT_EQ(h.controls().numero, "QCM2.X");
  EXPECT_EQ(h.controls().nombreQuestionsPosees, "1");
}

// Chapter 3 alone; 5, 9 and 2 missed in that order, then a re-ask at every
// draw: the draw picks the name of its rank and no place; the re-ask missed
// again warns, answered right leaves the list.
TEST(Reask, ALiveListBringsItsQuestionsBackAndARightAnswerTakesThemOff) {
  for (const auto& [caption, list, warned] : {std::tuple{"Zéro", "5,9,2", 1}, {"Six", "5,2", 0}}) {
    ModelHarness h;
    h.start();
    h.onlyChapter(3, 5);
    for (const int place : {5, 9, 2}) {
      if (place != 5) h.next(3, place);
      h.mark({"Zéro"});
    }
    h.model.menuCommand("mnurepose1");
    h.next(3, 4);
    EXPECT_FALSE(h.controls().line1);
    h.mark({"Six"});
    h.queueReask(3, 9, 2, 3);
    h.model.questionClick();
    EXPECT_TRUE(h.controls().line1);
    EXPECT_EQ(h.controls().numero, "QCM3.9");
    h.mark({caption});
    EXPECT_EQ(h.errorList(3), list);
    EXPECT_EQ(h.dialogs.count("Révisez cette question"), warned);
  }
}

// Chapter 2 alone holds X, Y and Z.
TEST(AntiDuplicate, AMarkedQuestionComesBackOnlyOnceAllAreMarkedAndTheUserIsTold) {
  ModelHarness h;
  h.start();
  h.onlyChapter(2, 1);
  h.mark({"Oui"});
  h.queueChapter(2);
  h.random.queueDraw(1, 3);  // X again: replaced by the next draw
  h.next(2, 2);
  h.markRun(2, 2, 2, "Oui");
  EXPECT_TRUE(h.dialogs.shown.empty());
  h.next(2, 1);
  EXPECT_EQ(h.dialogs.count("Les questions des chapitres sélectionnés ont toutes été posées,\n"
                            "le compteur anti-doublon va être invalidé."),
            1);
  EXPECT_EQ(h.controls().numero, "QCM2.X");
}

// 7i's picture is 40 pixels (600 twips) wide; the question text gives way.
TEST(QuestionFiles, APictureNarrowsTheTextAndWhatCannotBeReadIsToldApart) {
  struct Case {
    std::function<void(const TempFolder&)> prepare;
    const char* text;  // empty: no message
    int textWidth;
  };
  const Case cases[] = {
      {[](const TempFolder& f) { f.writeBytes("2004/47i.jpg", tinyJpeg(40, 30)); }, "", 6855 - 600 - 120},
      {[](const TempFolder&) {}, "L'image 2004\\47i.jpg est introuvable : la question est posée sans son image.",
       6855},
      {[](const TempFolder& f) { f.writeBytes("2004/47i.jpg", "pas une image"); },
       "L'image 2004\\47i.jpg n'est pas une image JPEG lisible : la question est posée sans son image.", 6855},
      {[](const TempFolder& f) { f.write("2004/4Chapitre7.dat", "; rien\n"); },
       "Le fichier 2004\\4Chapitre7.dat ne contient aucune question : ce chapitre ne peut pas être interrogé.", 0},
      {[](const TempFolder& f) { std::filesystem::remove(f.path() / "2004" / "4Chapitre7.dat"); },
       "Le fichier 2004\\4Chapitre7.dat est introuvable ou illisible : ce chapitre ne peut pas être interrogé.", 0},
  };
  for (const auto& [prepare, text, textWidth] : cases) {
    ModelHarness h;
    h.start();
    prepare(h.folder);
    h.tickOnly({7});
    textWidth ? h.queueQuestion(7, 1) : h.queueChapter(7);
    h.model.menuCommand("mnuReinitialiser");
    EXPECT_EQ(h.dialogs.count(text), *text ? 1 : 0) << text;
    EXPECT_EQ(h.dialogs.shown.size(), *text ? 1u : 0u) << text;
    if (textWidth) EXPECT_EQ(h.controls().labelQuestionWidth, textWidth) << text;
  }
}

}  // namespace
}  // namespace ventelle
