#include <filesystem>

#include <gtest/gtest.h>

#include "fakes/tiny_jpeg.h"
#include "ui/model_harness.h"

namespace ventelle {
namespace {

// Exam 7 (60 questions), with 7i's picture; the questionnaire composed is 7i,
// then questions 1 to 59 of chapter 3.
class GenerationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    h.folder.writeBytes("2004/47i.jpg", tinyJpeg(40, 30));
    h.start();
  }
  void generate() {
    std::vector<std::pair<int, int>> plan = {{7, 1}};
    for (int place = 1; place <= 59; ++place) plan.emplace_back(3, place);
    h.generate(plan);
  }
  void expectPrintPreparation(bool inside) const {
    for (const char* item : {"mnuGenerer", "mnuOptions", "mnuEnregistrer"})
      EXPECT_EQ(h.controls().menus.at(item).enabled, !inside) << item;
    EXPECT_EQ(h.controls().menus.at("mnuImprimeQuestionnaire").enabled, inside);
    EXPECT_EQ(h.controls().question.tag, inside ? "RetourQ" : "Evaluation");
  }

  ModelHarness h;
};

TEST_F(GenerationTest, ComposingEntersPrintPreparationAndRetourTakesTheTestUpAgain) {
  h.onlyChapter(2, 1);
  h.model.menuCommand("mnurepose4");
  h.mark({"Oui"});
  generate();
  const auto& c = h.controls();
  ASSERT_EQ(c.historique.size(), 60u);
  EXPECT_EQ(c.historique[0], "7.7i");
  EXPECT_EQ(c.historique[59], "3.59");
  for (int k = 1; k <= 8; ++k) EXPECT_TRUE(c.partie[k].ticked) << k;
  EXPECT_TRUE(c.menus.at("mnuTQuest").checked);
  expectPrintPreparation(true);

  h.random.queueDraw(1, 1);  // chapter 2, the one ticked again
  h.queuePlace(2, 2);
  h.model.questionClick();  // "Retour au Questionnaire"
  EXPECT_EQ(c.historique, std::vector<std::string>{"2.X"});
  EXPECT_EQ(c.numero, "QCM2.Y");
  for (int k = 1; k <= 8; ++k) EXPECT_EQ(c.partie[k].ticked, k == 2) << k;
  EXPECT_EQ(h.model.reaskPeriod(), 4);
  EXPECT_TRUE(c.menus.at("mnuTChap").checked);
  expectPrintPreparation(false);
}

TEST_F(GenerationTest, AClickShowsAnEntryAsComposedAndADoubleClickDrawsAnotherInItsPlace) {
  h.mark({"Juste"});
  h.next(1, 4);
  h.model.historyClick(0);  // in training the list only lists
  EXPECT_EQ(h.controls().numero, "QCM1.S");
  generate();

  h.queueOverAllChapters(1, 3);  // C: five answers
  h.model.historyDoubleClick(1);
  const auto& c = h.controls();
  EXPECT_EQ(c.historique[1], "1.C");
  EXPECT_EQ(c.numero, "QCM1.C");
  EXPECT_TRUE(c.check[5].visible);

  h.model.historyClick(0);
  EXPECT_EQ(c.numero, "QCM7.7i");
  EXPECT_EQ(std::filesystem::path(c.picturePath), h.folder.path() / "2004" / "47i.jpg");
  EXPECT_EQ(c.labelQuestion, "Texte de la question 7i ?");
  EXPECT_EQ(c.check[2].caption, "Zéro");
  EXPECT_FALSE(c.check[3].visible);
  EXPECT_FALSE(c.check[5].visible);
  EXPECT_TRUE(h.dialogs.shown.empty());
}

TEST_F(GenerationTest, AChapterThatCannotBeReadStopsTheGenerationWithOneMessage) {
  for (int k = 1; k <= 8; ++k) std::filesystem::remove(h.folder.path() / "2004" / ("4Chapitre" + std::to_string(k) + ".dat"));
  h.model.menuCommand("mnuGenerer");
  EXPECT_EQ(h.dialogs.shown.size(), 1u);
  expectPrintPreparation(false);
}

}  // namespace
}  // namespace ventelle
