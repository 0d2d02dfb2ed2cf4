#include <filesystem>
#include <optional>

#include <gtest/gtest.h>

#include "fakes/tiny_jpeg.h"
#include "ui/model_harness.h"
#include "ui/window/messages.h"

namespace ventelle {
namespace {

using Texts = std::vector<std::string>;

// Exam 7 with 7i's picture of 113 x 57 pixels. The pages themselves are
// checked in tests/print; here, what each command composes, sends and tells.
class PrintTest : public ::testing::Test {
 protected:
  void SetUp() override {
    h.folder.writeBytes("2004/47i.jpg", tinyJpeg(113, 57));
    h.start();
  }
  void generate() {  // 7i, then questions 1 to 59 of chapter 3
    std::vector<std::pair<int, int>> plan = {{7, 1}};
    for (int place = 1; place <= 59; ++place) plan.emplace_back(3, place);
    h.generate(plan);
  }
  const PrintJob& print(const std::string& command, const std::string& copies = "1") {
    h.dialogs.answers = {copies};
    h.model.menuCommand(command);
    return h.printer.jobs.back();
  }
  bool enabled(const std::string& item) const { return h.controls().menus.at(item).enabled; }

  ModelHarness h;
};

TEST_F(PrintTest, ComposingEntersPrintPreparationWhereTheListShowsAndReplacesItsQuestionsUntilRetour) {
  h.onlyChapter(2, 1);
  h.model.menuCommand("mnurepose4");
  h.mark({"Oui"});
  h.model.historyClick(0);  // in training the list only lists
  EXPECT_TRUE(h.box("Oui").ticked);
  generate();
  const auto& c = h.controls();
  EXPECT_TRUE(c.question.tag == "RetourQ" && c.partie[5].ticked && c.menus.at("mnuTQuest").checked);
  EXPECT_TRUE(!enabled("mnuOptions") && !enabled("mnuGenerer") && enabled("mnuImprimeQuestionnaire"));
  h.queueOverAllChapters(1, 3);  // C: five answers
  h.model.historyDoubleClick(1);
  EXPECT_TRUE(c.historique[1] == "1.C" && c.check[5].visible);
  h.model.historyClick(0);
  EXPECT_TRUE(c.numero == "QCM7.7i" && c.labelQuestion == "Texte de la question 7i ?");
  EXPECT_TRUE(c.check[2].caption == "Zéro" && !c.check[5].visible);

  h.random.queueDraw(1, 1);  // chapter 2, the one ticked again
  h.queuePlace(2, 2);
  h.model.questionClick();  // "Retour au Questionnaire"
  EXPECT_EQ(c.historique, Texts{"2.X"});
  EXPECT_TRUE(!c.partie[5].ticked && h.model.reaskPeriod() == 4 && c.menus.at("mnuTChap").checked);
  EXPECT_TRUE(enabled("mnuOptions") && !enabled("mnuImprimeQuestionnaire"));
}

TEST_F(PrintTest, TheComposedQuestionnaireItsSheetsAndItsGridPrintTheComposedQuestionsUnderOneCode) {
  EXPECT_EQ(print("mnuImprimerReponse").questionnaire.paperCode, "");  // a blank sheet has none
  generate();
  const PrintJob& job = print("mnuImprimeQuestionnaire", "2");
  EXPECT_EQ(h.dialogs.inputs.back().prompt.substr(0, 66),
            "Version: QCM Parapente v2004 (FFVL)\nOption:  - brevet de pilote -\n");
  EXPECT_EQ(job.copies, 2);
  const PrintedQuestionnaire q = job.questionnaire;
  ASSERT_EQ(q.questions.size(), 60u);
  EXPECT_TRUE(q.questions[0].answers == (Texts{"Six", "Zéro"}) && q.questions[0].points == (std::vector<int>{6, 0}));
  EXPECT_NEAR(q.questions[0].picture.widthMm, 29.894, 0.001);  // 113 pixels of 15 twips, 56.7 twips a millimetre
  EXPECT_EQ(q.paperCode.size(), 6u);
  EXPECT_EQ(print("mnuImprimerReponse").questionnaire.paperCode, q.paperCode);
  EXPECT_EQ(print("mnuImprimeCorrige").questionnaire.paperCode, q.paperCode);
  std::filesystem::remove(h.folder.path() / "2004" / "47i.jpg");
  EXPECT_EQ(print("mnuImprimeQuestionnaire").questionnaire.questions[0].picture.path, "");
  EXPECT_EQ(h.dialogs.count("L'image 2004\\47i.jpg est introuvable ou illisible : sa question est imprimée sans "
                            "image."),
            1);
}

TEST_F(PrintTest, ACopyCountBelowOneOrAboveAHundredPrintsNothingAndAFailureIsTold) {
  for (const auto& [typed, copies] :
       std::vector<std::pair<std::optional<std::string>, int>>{{" 2,6 copies", 3}, {"0,4", 0}, {std::nullopt, 0}, {"101", 0}}) {
    h.printer.jobs.clear();
    h.dialogs.answers = {typed};
    h.model.menuCommand("mnuImprimerReponse");
    EXPECT_EQ(h.printer.jobs.empty() ? 0 : h.printer.jobs[0].copies, copies) << typed.value_or("(annulé)");
  }
  EXPECT_EQ(h.dialogs.count(messages::tooManyCopies(100)), 1);
  h.printer.outcome = PrintOutcome::Failed;
  h.model.menuCommand("mnuImprimerErreurs");
  EXPECT_EQ(h.dialogs.count(messages::kPrintFailed), 1);
}

}  // namespace
}  // namespace ventelle
