#include <filesystem>

#include <gtest/gtest.h>

#include "fakes/tiny_jpeg.h"
#include "ui/model_harness.h"
#include "ui/window/messages.h"

namespace ventelle {
namespace {

TEST(QuestionDraw, WithNoChapterTickedTheUserIsToldAndTheWingMarkPassesAQuestion) {
  ModelHarness h;
  h.start(1, 5);  // P5, a paraglider question
  h.queueQuestion(1, 1);
  h.model.wingClick();
  EXPECT_TRUE(h.controls().numero == "QCM1.A" && h.controls().historique.empty());
  h.mark({"Juste"});
  EXPECT_EQ(h.controls().nombreQuestionsPosees, "1");
  h.tickOnly({});
  h.model.questionClick();
  EXPECT_TRUE(h.dialogs.count(messages::kNoChapter) == 1 && h.controls().numero == "QCM1.A");
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
    EXPECT_TRUE(h.controls().line1 && h.controls().numero == "QCM3.9");
    h.mark({caption});
    EXPECT_EQ(h.errorList(3), list);
    EXPECT_EQ(h.dialogs.count(messages::kRepeatedMistake), warned);
  }
}

// 7i's picture is 40 pixels (600 twips) wide; the question text gives way.
TEST(QuestionFiles, APictureNarrowsTheTextAndAMissingFileIsTold) {
  for (const auto& [picture, chapter, text] :
       {std::tuple{true, true, ""},
        {false, true, "L'image 2004\\47i.jpg est introuvable : la question est posée sans son image."},
        {true, false,
         "Le fichier 2004\\4Chapitre7.dat est introuvable ou illisible : ce chapitre ne peut pas être interrogé."}}) {
    ModelHarness h;
    h.start();
    if (picture) h.folder.writeBytes("2004/47i.jpg", tinyJpeg(40, 30));
    if (!chapter) std::filesystem::remove(h.folder.path() / "2004" / "4Chapitre7.dat");
    h.tickOnly({7});
    chapter ? h.queueQuestion(7, 1) : h.queueChapter(7);
    h.model.menuCommand("mnuReinitialiser");
    EXPECT_TRUE(h.dialogs.shown.size() == (*text ? 1u : 0u) && h.dialogs.count(text) == (*text ? 1 : 0)) << text;
    EXPECT_EQ(h.controls().labelQuestionWidth, picture && chapter ? 6855 - 600 - 120 : 6855) << text;
  }
}

}  // namespace
}  // namespace ventelle
