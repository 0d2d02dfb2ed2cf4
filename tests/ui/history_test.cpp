#include <gtest/gtest.h>

#include "ui/model_harness.h"

namespace ventelle {
namespace {

using Entries = std::vector<std::string>;

TEST(History, AfterResetFirstMarkFillsSlotOneAndTheSecondGrowsTheList) {
  ModelHarness h;
  h.start();
  h.onlyChapter(2, 1);
  ASSERT_EQ(h.model.quiz().askedQuestions.size(), 1u);

  h.mark({"Oui"});
  EXPECT_EQ(h.model.quiz().askedQuestions.size(), 1u);
  EXPECT_EQ(h.controls().historique, Entries{"2.X"});

  h.next(2, 3);
  h.mark({"Non"});
  const auto& asked = h.model.quiz().askedQuestions;
  ASSERT_EQ(asked.size(), 2u);
  EXPECT_EQ(asked[1].chapter, 2);
  EXPECT_EQ(asked[1].index, 3);
  EXPECT_EQ(h.controls().historique, (Entries{"2.X", "2.Z"}));
  EXPECT_EQ(h.controls().historiqueSelected, 1);
}

TEST(ChapterLight, TakesTheColourOfTheChaptersMistakeCount) {
  for (const auto& [mistakes, colour] : {std::pair{3, 65280u}, {4, 45311u}, {10, 45311u}, {11, 255u}}) {
    ModelHarness h;
    h.start();
    h.onlyChapter(3, 1);

    h.markRun(3, 1, mistakes, "Zéro");

    EXPECT_EQ(h.controls().feu[3].colour, colour) << mistakes << " mistakes";
    EXPECT_EQ(h.controls().feu[1].colour, 65280u);
  }
}

TEST(ChapterLight, GoesWithItsBoxAndComesBackInItsColourWhenTheBoxIsTickedAgain) {
  ModelHarness h;
  h.start();
  h.onlyChapter(3, 1);
  h.markRun(3, 1, 4, "Zéro");  // orange
  EXPECT_FALSE(h.controls().feu[1].visible);

  h.model.chapterBoxClick(3);
  EXPECT_FALSE(h.controls().feu[3].visible);

  h.model.chapterBoxClick(3);
  EXPECT_TRUE(h.controls().feu[3].visible);
  EXPECT_EQ(h.controls().feu[3].colour, 45311u);

  h.model.chapterBoxClick(1);
  EXPECT_TRUE(h.controls().feu[1].visible);
  EXPECT_EQ(h.controls().feu[1].colour, 65280u);
}

}  // namespace
}  // namespace ventelle
