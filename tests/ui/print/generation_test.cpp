#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "core/seeded_random.h"

#include "fakes/tiny_jpeg.h"
#include "ui/model_harness.h"

namespace ventelle {
namespace {

using Entries = std::vector<std::string>;

// Greyed out while a questionnaire is prepared for print.
const Entries kLockedItems = {"mnuImprimerErreurs", "mnuGenerer",   "mnuOptions",      "mnuoie",
                              "mnuGestionU",        "mnuEnregistrer", "mnuReprendre", "mnuUtilisateur0",
                              "mnuUtilisateur1"};
const Entries kComposedPrintItems = {"mnuImprimeQuestionnaire", "mnuImprimeCorrige"};

// Exam 7 (60 questions), with 7i's picture and a second user in the menu.
class GenerationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    h.folder.writeBytes("2004/47i.jpg", tinyJpeg(40, 30));
    h.start();
    h.model.addUserMenuItem("Lucie");
  }
  // 7i, then questions 1 to 59 of chapter 3.
  void generate() {
    std::vector<std::pair<int, int>> plan = {{7, 1}};
    for (int place = 1; place <= 59; ++place) plan.emplace_back(3, place);
    h.generate(plan);
  }
  bool enabled(const std::string& item) const { return h.controls().menus.at(item).enabled; }
  void expectMenusInPrintPreparation(bool inside) const {
    for (const auto& item : kLockedItems) EXPECT_EQ(enabled(item), !inside) << item;
    for (const auto& item : kComposedPrintItems) EXPECT_EQ(enabled(item), inside) << item;
    EXPECT_TRUE(enabled("mnuImprimerReponse"));
  }
  void removeChapterFiles() {
    for (int k = 1; k <= 8; ++k)
      std::filesystem::remove(h.folder.path() / "2004" / ("4Chapitre" + std::to_string(k) + ".dat"));
  }

  ModelHarness h;
};

TEST_F(GenerationTest, ComposesSixtyQuestionsFromEveryChapterAndEntersPrintPreparation) {
  h.onlyChapter(2, 1);
  h.model.menuCommand("mnurepose4");
  h.mark({"Oui"});

  generate();

  const auto& c = h.controls();
  ASSERT_EQ(c.historique.size(), 60u);
  EXPECT_EQ(c.historique[0], "7.7i");
  EXPECT_EQ(c.historique[1], "3.1");
  EXPECT_EQ(c.historique[59], "3.59");
  for (int k = 1; k <= 8; ++k) EXPECT_TRUE(c.partie[k].ticked) << "box " << k;
  EXPECT_EQ(h.model.reaskPeriod(), 0);
  EXPECT_TRUE(c.menus.at("mnurepose0").checked);
  EXPECT_TRUE(c.menus.at("mnuTQuest").checked);
  EXPECT_TRUE(c.menus.at("mnuEvaluation").checked);

  EXPECT_TRUE(c.question.visible);
  EXPECT_EQ(c.question.tag, "RetourQ");
  EXPECT_EQ(c.question.caption, "Retour au Questionnaire");
  EXPECT_EQ(c.question.toolTip, "quitte le module d'impression de questionnaire");
  EXPECT_EQ(c.historiqueToolTip, "double-cliquez pour changer une question");
  expectMenusInPrintPreparation(true);
  EXPECT_TRUE(h.dialogs.shown.empty());

  h.model.menuCommand("mnuReinitialiser");  // under the greyed-out "&Options"
  EXPECT_EQ(c.historique.size(), 60u);
}

TEST_F(GenerationTest, AfterAVerdictTheSaveIsRefusedAndTheQuestionnaireComposedAllTheSame) {
  h.onlyChapter(3, 1);
  h.markRun(3, 1, 16, "Zéro");
  ASSERT_FALSE(h.controls().question.visible);

  generate();

  EXPECT_EQ(h.dialogs.count("Vous ne pouvez pas enregistrer un QCM évalué !"), 1);
  EXPECT_EQ(h.controls().historique.size(), 60u);
  EXPECT_TRUE(h.controls().question.visible);
  EXPECT_EQ(h.controls().final, "");
}

TEST_F(GenerationTest, RetourAuQuestionnaireTakesUpTheStateSavedOnGenerating) {
  h.onlyChapter(2, 1);
  h.model.menuCommand("mnurepose4");
  h.mark({"Oui"});
  generate();

  h.random.queueDraw(1, 1);  // chapter 2, the one ticked again
  h.queuePlace(2, 2);
  h.model.questionClick();

  const auto& c = h.controls();
  EXPECT_EQ(c.historique, Entries{"2.X"});
  EXPECT_EQ(c.numero, "QCM2.Y");
  EXPECT_EQ(c.question.tag, "Evaluation");
  EXPECT_EQ(c.question.caption, "Evaluation");
  EXPECT_EQ(c.question.toolTip, "notation de la question");
  EXPECT_EQ(c.historiqueToolTip, "");
  for (int k = 1; k <= 8; ++k) EXPECT_EQ(c.partie[k].ticked, k == 2) << "box " << k;
  EXPECT_EQ(h.model.reaskPeriod(), 4);
  EXPECT_TRUE(c.menus.at("mnuTChap").checked);
  expectMenusInPrintPreparation(false);
}

TEST_F(GenerationTest, AClickShowsAnEntryAndADoubleClickDrawsAnotherQuestionInItsPlace) {
  generate();
  for (int k = 1; k <= 8; ++k) h.model.chapterBoxClick(k);  // all unticked: the double-click ticks them again

  h.queueOverAllChapters(4, 2);
  h.model.historyDoubleClick(1);

  const auto& c = h.controls();
  EXPECT_EQ(c.historique.size(), 60u);
  EXPECT_EQ(c.historique[1], "4.2");
  EXPECT_EQ(c.numero, "QCM4.2");
  EXPECT_TRUE(c.partie[3].ticked);

  h.model.historyClick(0);
  EXPECT_EQ(c.historiqueSelected, 0);
  EXPECT_EQ(c.numero, "QCM7.7i");
  EXPECT_EQ(std::filesystem::path(c.picturePath), h.folder.path() / "2004" / "47i.jpg");
  EXPECT_EQ(c.labelQuestion, "Texte de la question 7i ?");
  EXPECT_EQ(c.check[1].caption, "Six");
  EXPECT_EQ(c.check[2].caption, "Zéro");
  EXPECT_FALSE(c.check[1].ticked);
  EXPECT_FALSE(c.check[3].visible);
  EXPECT_EQ(c.partie[7].back, SkinColours{}.drawnChapterBack);
  EXPECT_EQ(c.partie[4].back, SkinColours{}.chapterBack);

  h.model.historyClick(1);
  EXPECT_EQ(c.numero, "QCM4.2");
  EXPECT_EQ(c.picturePath, "");
  EXPECT_EQ(c.labelQuestion, "Texte de la question 2 ?");
  EXPECT_TRUE(h.dialogs.shown.empty());
}

TEST_F(GenerationTest, AQuestionComposedWithoutItsPictureIsViewedAsItPrints) {
  std::filesystem::remove(h.folder.path() / "2004" / "47i.jpg");
  generate();
  h.folder.writeBytes("2004/47i.jpg", tinyJpeg(40, 30));

  h.model.historyClick(0);

  EXPECT_EQ(h.controls().numero, "QCM7.7i");
  EXPECT_EQ(h.controls().picturePath, "");
}

TEST_F(GenerationTest, InTrainingTheHistoryListOnlyLists) {
  h.onlyChapter(2, 1);
  h.mark({"Oui"});
  h.next(2, 2);

  h.model.historyClick(0);
  h.model.historyDoubleClick(0);

  EXPECT_EQ(h.controls().numero, "QCM2.Y");
  EXPECT_EQ(h.controls().historique, Entries{"2.X"});
}

TEST_F(GenerationTest, AChapterThatCannotBeReadStopsTheGenerationWithOneMessageAndLeavesTheMode) {
  removeChapterFiles();

  h.model.menuCommand("mnuGenerer");

  ASSERT_EQ(h.dialogs.shown.size(), 1u);
  EXPECT_EQ(h.dialogs.shown[0].text,
            "Le fichier 2004\\4Chapitre1.dat est introuvable ou illisible : ce chapitre ne peut pas être interrogé.");
  EXPECT_EQ(h.controls().question.tag, "Evaluation");
  EXPECT_TRUE(h.controls().question.visible);
  expectMenusInPrintPreparation(false);
}

TEST_F(GenerationTest, ADoubleClickThatCannotDrawLeavesTheModeWithOneMessage) {
  generate();
  removeChapterFiles();

  h.model.historyDoubleClick(5);

  ASSERT_EQ(h.dialogs.shown.size(), 1u);
  EXPECT_EQ(h.controls().question.tag, "Evaluation");
  expectMenusInPrintPreparation(false);
}

// The shipped banks under a seeded generator: a short rotation of values
// would draw the questions already composed over and over.
struct ShippedBanks {
  ShippedBanks() { std::filesystem::copy(VENTELLE_DATA_DIR, folder.path(), std::filesystem::copy_options::recursive); }

  TempFolder folder;
  RecordingDialogs dialogs;
  RecordingDesktop desktop;
  RecordingPrintService printer;
  SeededRandom random{2004};
  ChapterLibrary library{ProgramFolder(folder.path())};
  MainWindowModel model{dialogs, desktop, random, library, printer};
};

// Every chapter box of the exam is ticked, whatever the user had ticked,
// except chapter 6 of the 2000 and aeroplane banks, which no question comes from.
TEST(GenerationChapters, TicksEveryChapterOfTheExamButTheChapterSixLeftOut) {
  struct Case {
    const char* exam;
    int chapters;
    bool sixDrawn;
  };
  for (const auto& [exam, chapters, sixDrawn] :
       {Case{"mnu2000", 9, false}, Case{"mnuPInitial", 7, true}, Case{"mnuAvion", 6, false}}) {
    SCOPED_TRACE(exam);
    ShippedBanks m;
    m.model.start();
    m.model.menuCommand(exam);
    m.model.chapterBoxClick(2);
    if (!sixDrawn) m.model.chapterBoxClick(6);

    m.model.menuCommand("mnuGenerer");

    const auto& c = m.model.controls();
    for (int k = 1; k <= 9; ++k) EXPECT_EQ(c.partie[k].ticked, k <= chapters && (k != 6 || sixDrawn)) << "box " << k;
    EXPECT_EQ(c.historique.size(), 60u);
    for (const auto& entry : c.historique) {
      const int chapter = std::stoi(entry);
      EXPECT_TRUE(chapter <= chapters && (chapter != 6 || sixDrawn)) << entry;
    }
  }
}

}  // namespace
}  // namespace ventelle
