#include <functional>

#include <gtest/gtest.h>

#include "ui/model_harness.h"

namespace ventelle {
namespace {

// Exam 7 with X and Z of chapter 2 answered wrongly, and A of chapter 1.
class ErrorPanelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    h.start();
    h.onlyChapters({1, 2}, 2, 1);
    h.mark({"Non"});
    h.next(2, 3);
    h.mark({"Non"});
    h.next(1, 1);
    h.mark({"Faux"});
  }
  const WindowControls& c() const { return h.controls(); }

  ModelHarness h;
};

TEST_F(ErrorPanelTest, F1OnAChapterBoxShowsTheMistakesOfThatChapterAndF1AgainHidesThem) {
  h.model.chapterBoxHelp(2);
  EXPECT_EQ(c().erreursCaption,
            "QCM Parapente 2004 - Brevet de Pilote: Erreurs sur le chapitre \"Mécanique de Vol Générale\"");
  EXPECT_EQ(c().afficheErreurs, "X,Z");
  h.model.chapterBoxHelp(2);
  EXPECT_FALSE(c().erreursVisible);
  h.model.chapterBoxHelp(4);  // no mistakes there
  EXPECT_TRUE(c().erreursVisible);
  EXPECT_EQ(c().afficheErreurs, "");
  h.model.chapterBoxHelp(4);
  h.model.chapterBoxHelp(9);  // a hidden box
  EXPECT_FALSE(c().erreursVisible);
}

TEST_F(ErrorPanelTest, ThePanelClosesOnTheMouseAQuestionPressAChapterClickOrAReaskChange) {
  const std::vector<std::pair<std::string, std::function<void()>>> triggers = {
      {"mouse over the panel", [&] { EXPECT_TRUE(h.model.mouseOverErrorPanel()); }},
      {"Question pressed", [&] { h.next(1, 2); }},
      {"chapter box clicked", [&] { h.model.chapterBoxClick(5); }},
      {"re-ask period changed", [&] { h.model.menuCommand("mnurepose4"); }},
  };
  for (const auto& [name, trigger] : triggers) {
    h.model.chapterBoxHelp(1);
    ASSERT_TRUE(c().erreursVisible) << name;
    trigger();
    EXPECT_FALSE(c().erreursVisible) << name;
  }
  h.model.chapterBoxHelp(1);
  h.model.menuCommand("mnurepose4");  // the period already chosen
  EXPECT_TRUE(c().erreursVisible);
}

}  // namespace
}  // namespace ventelle
