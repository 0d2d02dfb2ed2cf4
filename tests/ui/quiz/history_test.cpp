#include <gtest/gtest.h>

#include <map>
#include <set>

#include "fakes/scripted_random.h"
#include "ui/exams/exam_switch.h"
#include "ui/model_harness.h"
#include "ui/quiz/history.h"
#include "ui/window/menu_bar.h"

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

// The window's shared state on thirty one-question 2004 modules. The lists
// of the lower brevets are filled directly: no answer in the pilot brevet
// could put a mistake there without the routing of question numbers.
class BrevetLights {
 public:
  BrevetLights() {
    for (int m = 1; m <= 30; ++m)
      folder.write("2004/" + std::to_string(m) + ".qcm", "[" + std::to_string(m) + "]\nQuestion=Q ?\nOui=6\nNon=-6\n");
    ctx.controls.menus = initialMenuBar();
  }
  void fill(ListKey key, int mistakes) {
    for (int n = 1; n <= mistakes; ++n) ctx.errors.add(key, std::to_string(key.exam * 1000 + key.chapter * 10 + n));
  }
  Colour light(int k) const { return ctx.controls.feu[k].colour; }
  std::set<int> orangeLights() const {
    std::set<int> orange;
    for (int k = 1; k <= ctx.chapterCount(); ++k)
      if (light(k) == colours::kOrange) orange.insert(k);
    return orange;
  }

  TempFolder folder;
  RecordingDialogs dialogs;
  RecordingDesktop desktop;
  RecordingPrintService printer;
  ScriptedRandom random{{0.1, 0.5, 0.9}};
  ChapterLibrary library{ProgramFolder(folder.path())};
  WindowContext ctx{dialogs, desktop, random, library, printer};
};

using ChapterToLight = std::vector<std::pair<int, int>>;
const ChapterToLight kSameChapter = {{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}, {7, 7}, {8, 8}};
// The initial brevets have no "Réglementation": their last two chapters sit one place lower.
const ChapterToLight kInitialChapters = {{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 7}, {7, 8}};
// The confirmed hang-glider brevet's six chapters on the pilot brevet's eight.
const ChapterToLight kConfirmedHangGliderChapters = {{1, 1}, {2, 2}, {3, 4}, {4, 6}, {5, 7}, {6, 8}};

// With the lower levels included, four mistakes in one list turn orange the
// light of the chapter that list belongs to, and no other; a list of another
// brevet or wing turns none.
TEST(ChapterLight, WithTheLowerLevelsEachListFeedsTheLightOfItsChapter) {
  const std::map<int, std::vector<std::pair<int, ChapterToLight>>> feeds = {
      {7, {{6, kInitialChapters}, {7, kSameChapter}}},
      {8, {{6, kInitialChapters}, {7, kSameChapter}, {8, kSameChapter}}},
      {10, {{9, kInitialChapters}, {10, kSameChapter}}},
      {11, {{9, kInitialChapters}, {10, kSameChapter}, {11, kConfirmedHangGliderChapters}}},
  };
  for (const auto& [exam, lists] : feeds) {
    BrevetLights f;
    switchExam(f.ctx, exam);
    toggleLowerLevels(f.ctx);
    ASSERT_EQ(f.ctx.chapterCount(), 8) << "exam " << exam;
    for (int listExam = 1; listExam <= kExamCount; ++listExam) {
      for (int chapter = 1; chapter <= 9; ++chapter) {
        std::set<int> expected;
        for (const auto& [fed, chapters] : lists)
          for (const auto& [from, light] : chapters)
            if (fed == listExam && from == chapter) expected.insert(light);
        f.ctx.errors = ErrorLists{};
        f.fill({listExam, chapter}, 4);
        refreshChapterLights(f.ctx);
        EXPECT_EQ(f.orangeLights(), expected)
            << "exam " << exam << ", list of exam " << listExam << " chapter " << chapter;
      }
    }
  }
}

TEST(ChapterLight, WithTheLowerLevelsTheCountIsTheSumOfTheLevels) {
  BrevetLights f;
  f.fill({6, 6}, 3);  // the initial brevet's "Pilotage Général"
  f.fill({7, 7}, 4);
  f.fill({8, 7}, 4);
  f.fill({6, 1}, 2);
  f.fill({7, 1}, 2);
  switchExam(f.ctx, 8);
  EXPECT_EQ(f.light(7), colours::kOrange);
  EXPECT_EQ(f.light(1), colours::kGreen);

  toggleLowerLevels(f.ctx);

  EXPECT_EQ(f.light(7), colours::kRed);
  EXPECT_EQ(f.light(1), colours::kOrange);
}

TEST(ChapterLight, LightsFollowTheExamAndTheLowerLevelsItem) {
  BrevetLights f;
  f.fill({6, 1}, 4);
  f.fill({8, 2}, 4);
  f.fill({11, 6}, 11);
  switchExam(f.ctx, 7);
  EXPECT_EQ(f.orangeLights(), std::set<int>{});

  toggleLowerLevels(f.ctx);
  EXPECT_EQ(f.orangeLights(), std::set<int>{1});

  switchExam(f.ctx, 8);
  EXPECT_EQ(f.orangeLights(), std::set<int>{2});

  switchExam(f.ctx, 11);
  EXPECT_EQ(f.light(6), colours::kRed);
  toggleLowerLevels(f.ctx);  // eight chapters: the sixth one is now on light 8
  EXPECT_EQ(f.light(6), colours::kGreen);
  EXPECT_EQ(f.light(8), colours::kRed);
  EXPECT_TRUE(f.ctx.controls.feu[8].visible);
}

}  // namespace
}  // namespace ventelle
