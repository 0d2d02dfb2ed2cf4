#include <filesystem>
#include <optional>

#include <gtest/gtest.h>

#include "fakes/tiny_jpeg.h"
#include "ui/model_harness.h"

namespace ventelle {
namespace {

// Exam 7 with 7i's picture of 113 x 57 pixels. The pages themselves are
// checked in tests/print; here, what each command sends and tells.
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

  ModelHarness h;
};

TEST_F(PrintTest, TheComposedQuestionnaireItsSheetsAndItsGridPrintTheComposedQuestionsUnderOneCode) {
  EXPECT_EQ(print("mnuImprimerReponse").questionnaire.paperCode, "");  // a blank sheet has none
  generate();
  const PrintJob& job = print("mnuImprimeQuestionnaire", "2");
  EXPECT_EQ(h.dialogs.inputs.back().prompt,
            "Version: QCM Parapente v2004 (FFVL)\n"
            "Option:  - brevet de pilote -\n"
            "Indiquez ci dessous le nombre de questionnaires à imprimer, compter environ 3 pages pour 20 questions...");
  EXPECT_EQ(job.kind, DocumentKind::Questionnaires);
  EXPECT_EQ(job.copies, 2);
  const PrintedQuestionnaire q = job.questionnaire;
  ASSERT_EQ(q.questions.size(), 60u);
  EXPECT_EQ(q.questions[0].text, "Texte de la question 7i ?");
  EXPECT_EQ(q.questions[0].answers, (std::vector<std::string>{"Six", "Zéro"}));
  EXPECT_EQ(q.questions[0].points, (std::vector<int>{6, 0}));
  EXPECT_EQ(std::filesystem::path(q.questions[0].picture.path), h.folder.path() / "2004" / "47i.jpg");
  EXPECT_NEAR(q.questions[0].picture.widthMm, 29.894, 0.001);  // 113 pixels of 15 twips, 56.7 twips a millimetre
  EXPECT_EQ(q.questions[1].picture.path, "");
  EXPECT_EQ(q.paperCode.size(), 6u);
  EXPECT_EQ(print("mnuImprimerReponse").questionnaire.paperCode, q.paperCode);
  const PrintJob& grid = print("mnuImprimeCorrige");
  EXPECT_EQ(grid.kind, DocumentKind::CorrectionGrid);
  EXPECT_EQ(grid.questionnaire.paperCode, q.paperCode);
  EXPECT_EQ(grid.questionnaire.questions[59].points, (std::vector<int>{6, 0}));
  EXPECT_TRUE(h.dialogs.shown.empty());
}

TEST_F(PrintTest, TheCopyCountIsTheLeadingNumberRoundedAndBelowOneNothingPrints) {
  const std::vector<std::pair<std::optional<std::string>, int>> cases = {
      {"3 copies", 3}, {" 2,6", 3}, {"2.4", 2}, {"100", 100}, {"trois", 0}, {"0,4", 0}, {std::nullopt, 0}, {"101", 0}};
  for (const auto& [typed, copies] : cases) {
    h.printer.jobs.clear();
    h.dialogs.answers = {typed};
    h.model.menuCommand("mnuImprimerReponse");
    EXPECT_EQ(h.printer.jobs.empty() ? 0 : h.printer.jobs[0].copies, copies) << typed.value_or("(annulé)");
  }
  EXPECT_EQ(h.dialogs.count("Vous ne pouvez pas imprimer plus de 100 exemplaires à la fois : indiquez un nombre plus "
                            "petit."),
            1);
  EXPECT_EQ(h.dialogs.shown.size(), 1u);
}

TEST_F(PrintTest, WhatCannotBePrintedIsToldAndACancelIsNot) {
  h.printer.outcome = PrintOutcome::Cancelled;
  h.model.menuCommand("mnuImprimerErreurs");
  EXPECT_TRUE(h.dialogs.shown.empty());
  h.printer.outcome = PrintOutcome::Failed;
  h.model.menuCommand("mnuImprimerErreurs");
  EXPECT_EQ(h.dialogs.count("L'impression n'a pas pu se faire : vérifiez l'imprimante, ou le dossier et le nom du "
                            "fichier PDF."),
            1);
  h.printer.outcome = PrintOutcome::Printed;
  generate();
  std::filesystem::remove(h.folder.path() / "2004" / "47i.jpg");
  EXPECT_EQ(print("mnuImprimeQuestionnaire").questionnaire.questions[0].picture.path, "");
  EXPECT_EQ(h.dialogs.count("L'image 2004\\47i.jpg est introuvable ou illisible : sa question est imprimée sans "
                            "image."),
            1);
}

}  // namespace
}  // namespace ventelle
