#include <filesystem>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "fakes/tiny_jpeg.h"
#include "ui/model_harness.h"

namespace ventelle {
namespace {

using Texts = std::vector<std::string>;
using Points = std::vector<int>;

// Exam 7 with two picture questions, 7i (113 x 57 pixels) and 8i (40 x 30).
class PrintTest : public ::testing::Test {
 protected:
  void SetUp() override {
    h.addQuestion(8, {"8i", {{"Oui", 6}, {"Non", -6}}});
    h.folder.writeBytes("2004/47i.jpg", tinyJpeg(113, 57));
    h.folder.writeBytes("2004/48i.jpg", tinyJpeg(40, 30));
    h.start();
  }
  // 7i, 8i, then questions 1 to 58 of chapter 3.
  void generate() {
    std::vector<std::pair<int, int>> plan = {{7, 1}, {8, 2}};
    for (int place = 1; place <= 58; ++place) plan.emplace_back(3, place);
    h.generate(plan);
  }
  const std::vector<PrintJob>& jobs() const { return h.printer.jobs; }

  ModelHarness h;
};

TEST_F(PrintTest, QuestionnairesPrintTheComposedQuestionsWithTheirPicturesUnderTheExamsTitles) {
  generate();
  h.dialogs.answers = {"2"};

  h.model.menuCommand("mnuImprimeQuestionnaire");

  ASSERT_EQ(h.dialogs.inputs.size(), 1u);
  EXPECT_EQ(h.dialogs.inputs[0].title, "Imprimer des questionnaires");
  EXPECT_EQ(h.dialogs.inputs[0].prompt,
            "Version: QCM Parapente v2004 (FFVL)\n"
            "Option:  - brevet de pilote -\n"
            "Indiquez ci dessous le nombre de questionnaires à imprimer, compter environ 3 pages pour 20 questions...");
  EXPECT_EQ(h.dialogs.inputs[0].defaultText, "1");
  ASSERT_EQ(jobs().size(), 1u);
  const PrintJob& job = jobs()[0];
  EXPECT_EQ(job.kind, DocumentKind::Questionnaires);
  EXPECT_EQ(job.copies, 2);
  const PrintedQuestionnaire& q = job.questionnaire;
  EXPECT_EQ(q.title, "QCM Parapente v2004 (FFVL)");
  EXPECT_EQ(q.subtitle, "- brevet de pilote -");
  EXPECT_EQ(q.gridColumns, 4);
  EXPECT_EQ(q.gridRows, 15);
  EXPECT_TRUE(q.federationExam);
  ASSERT_EQ(q.questions.size(), 60u);
  EXPECT_EQ(q.questions[0].text, "Texte de la question 7i ?");
  EXPECT_EQ(q.questions[0].answers, (Texts{"Six", "Zéro"}));
  EXPECT_EQ(q.questions[0].points, (Points{6, 0}));
  EXPECT_EQ(std::filesystem::path(q.questions[0].picture.path), h.folder.path() / "2004" / "47i.jpg");
  EXPECT_NEAR(q.questions[0].picture.widthMm, 29.894, 0.001);  // 113 pixels of 15 twips, 56.7 twips a millimetre
  EXPECT_NEAR(q.questions[0].picture.heightMm, 15.079, 0.001);
  EXPECT_EQ(std::filesystem::path(q.questions[1].picture.path), h.folder.path() / "2004" / "48i.jpg");
  EXPECT_EQ(q.questions[2].text, "Texte de la question 1 ?");
  EXPECT_EQ(q.questions[2].picture.path, "");
  EXPECT_TRUE(h.dialogs.shown.empty());
}

TEST_F(PrintTest, TheCorrectionGridIsOneCopyOfEveryQuestionsPointsInTheHistoryOrder) {
  generate();
  h.queueOverAllChapters(1, 3);  // C: five answers worth -1 to -5
  h.model.historyDoubleClick(59);

  h.model.menuCommand("mnuImprimeCorrige");

  EXPECT_TRUE(h.dialogs.inputs.empty());
  ASSERT_EQ(jobs().size(), 1u);
  EXPECT_EQ(jobs()[0].kind, DocumentKind::CorrectionGrid);
  EXPECT_EQ(jobs()[0].copies, 1);
  const auto& questions = jobs()[0].questionnaire.questions;
  ASSERT_EQ(questions.size(), 60u);
  EXPECT_EQ(questions[1].points, (Points{6, -6}));
  EXPECT_EQ(questions[59].text, "Texte de la question C ?");
  EXPECT_EQ(questions[59].points, (Points{-1, -2, -3, -4, -5}));
}

// Blank answer sheets print at any time, in the grid of the exam.
TEST_F(PrintTest, AnswerSheetsAreBlankGridsOfTheExam) {
  h.dialogs.answers = {"1"};
  h.model.menuCommand("mnuImprimerReponse");

  EXPECT_EQ(h.dialogs.inputs[0].title, "Imprimer des grilles de réponses");
  EXPECT_EQ(h.dialogs.inputs[0].prompt,
            "Version: QCM Parapente v2004 (FFVL)\n"
            "Option:  - brevet de pilote -\n"
            "Indiquez ci dessous le nombre de formulaires à imprimer");
  ASSERT_EQ(jobs().size(), 1u);
  EXPECT_EQ(jobs()[0].kind, DocumentKind::AnswerSheets);
  EXPECT_EQ(jobs()[0].questionnaire.gridRows, 15);
  EXPECT_TRUE(jobs()[0].questionnaire.federationExam);
  EXPECT_TRUE(jobs()[0].questionnaire.questions.empty());

  h.model.menuCommand("mnuULM");  // 40 questions, marked by the authority's rules
  h.dialogs.answers = {"1"};
  h.model.menuCommand("mnuImprimerReponse");
  ASSERT_EQ(jobs().size(), 2u);
  EXPECT_EQ(jobs()[1].questionnaire.title, "QCM ULM (DGAC)");
  EXPECT_EQ(jobs()[1].questionnaire.gridRows, 10);
  EXPECT_FALSE(jobs()[1].questionnaire.federationExam);
}

// One code on a composed questionnaire, its answer sheets and its grid, so
// that papers and grid are matched; blank sheets and the report carry none.
TEST_F(PrintTest, TheComposedPapersShareOnePaperCodeThatAReplacedQuestionChanges) {
  const auto codeOf = [this](const std::string& command) {
    h.dialogs.answers = {"1"};
    h.model.menuCommand(command);
    return jobs().back().questionnaire.paperCode;
  };
  EXPECT_EQ(codeOf("mnuImprimerReponse"), "");
  generate();

  const std::string code = codeOf("mnuImprimeQuestionnaire");
  EXPECT_EQ(code.size(), 6u);
  EXPECT_EQ(codeOf("mnuImprimerReponse"), code);
  EXPECT_EQ(codeOf("mnuImprimeCorrige"), code);

  h.queueOverAllChapters(1, 3);
  h.model.historyDoubleClick(59);
  const std::string replaced = codeOf("mnuImprimeCorrige");
  EXPECT_NE(replaced, code);
  EXPECT_EQ(codeOf("mnuImprimerReponse"), replaced);

  h.model.questionClick();  // "Retour au Questionnaire"
  EXPECT_EQ(codeOf("mnuImprimerReponse"), "");
}

// The code names the answer order too: the same questions with their answers
// in another order are other papers.
TEST(PaperCode, FollowsTheAnswerOrderOfTheComposedQuestions) {
  const auto composed = [](bool reversed) {
    ModelHarness h;
    h.addQuestion(8, {"8i", {{"Oui", 6}, {"Non", -6}}});
    h.start();
    h.queueOverAllChapters(8, 2, reversed);
    for (int place = 1; place <= 59; ++place) h.queueOverAllChapters(3, place);
    h.model.menuCommand("mnuGenerer");
    h.model.menuCommand("mnuImprimeCorrige");
    return h.printer.jobs.at(0).questionnaire;
  };
  const PrintedQuestionnaire inOrder = composed(false), again = composed(false), reversed = composed(true);
  ASSERT_EQ(inOrder.questions.at(0).answers, (Texts{"Oui", "Non"}));
  ASSERT_EQ(reversed.questions.at(0).answers, (Texts{"Non", "Oui"}));
  EXPECT_EQ(again.paperCode, inOrder.paperCode);
  EXPECT_NE(reversed.paperCode, inOrder.paperCode);
}

// The typed count and the copies printed; 0: nothing printed, the printer not called.
TEST_F(PrintTest, TheCopyCountIsTheLeadingNumberRoundedAndBelowOneNothingPrints) {
  const std::vector<std::pair<std::optional<std::string>, int>> cases = {
      {"3", 3}, {"3 copies", 3}, {" 2,6", 3}, {"2.4", 2}, {"100", 100}, {"", 0},
      {"trois", 0}, {"0", 0}, {"0,4", 0}, {"-2", 0}, {std::nullopt, 0}, {"101", 0}};
  for (const auto& [typed, copies] : cases) {
    SCOPED_TRACE(typed.value_or("(annulé)"));
    h.printer.jobs.clear();
    h.dialogs.answers = {typed};
    h.model.menuCommand("mnuImprimerReponse");
    ASSERT_EQ(jobs().size(), copies == 0 ? 0u : 1u);
    if (copies != 0) {
      EXPECT_EQ(jobs()[0].copies, copies);
    }
  }
  ASSERT_EQ(h.dialogs.shown.size(), 1u);  // for 101 alone
  EXPECT_EQ(h.dialogs.shown[0].text,
            "Vous ne pouvez pas imprimer plus de 100 exemplaires à la fois : indiquez un nombre plus petit.");
}

TEST_F(PrintTest, PicturesThatHaveGoneAreToldOncePerCommandAndTheirQuestionsPrintWithout) {
  generate();
  std::filesystem::remove(h.folder.path() / "2004" / "47i.jpg");
  std::filesystem::remove(h.folder.path() / "2004" / "48i.jpg");
  h.dialogs.answers = {"3", "1"};

  h.model.menuCommand("mnuImprimeQuestionnaire");

  ASSERT_EQ(h.dialogs.shown.size(), 1u);
  EXPECT_EQ(h.dialogs.shown[0].text,
            "Les images 2004\\47i.jpg et 2004\\48i.jpg sont introuvables ou illisibles : "
            "leurs questions sont imprimées sans image.");
  ASSERT_EQ(jobs().size(), 1u);
  const auto& questions = jobs()[0].questionnaire.questions;
  EXPECT_EQ(questions[0].picture.path, "");
  EXPECT_EQ(questions[1].picture.path, "");
  EXPECT_EQ(questions[0].text, "Texte de la question 7i ?");

  h.model.menuCommand("mnuImprimeCorrige");  // a grid has no pictures
  EXPECT_EQ(h.dialogs.shown.size(), 1u);
  h.model.menuCommand("mnuImprimeQuestionnaire");
  EXPECT_EQ(h.dialogs.shown.size(), 2u);
  EXPECT_EQ(jobs().size(), 3u);
}

TEST_F(PrintTest, APrintThatFailsIsToldAndOneTheUserCancelsIsNot) {
  h.printer.outcome = PrintOutcome::Cancelled;
  h.model.menuCommand("mnuImprimerErreurs");
  EXPECT_TRUE(h.dialogs.shown.empty());

  h.printer.outcome = PrintOutcome::Failed;
  h.model.menuCommand("mnuImprimerErreurs");

  ASSERT_EQ(h.dialogs.shown.size(), 1u);
  EXPECT_EQ(h.dialogs.shown[0].icon, MessageIcon::Exclamation);
  EXPECT_EQ(h.dialogs.shown[0].title, "Impression impossible");
  EXPECT_EQ(h.dialogs.shown[0].text,
            "L'impression n'a pas pu se faire : vérifiez l'imprimante, ou le dossier et le nom du fichier PDF.");
}

TEST_F(PrintTest, TheErrorReportNamesTheUserTheBrevetAndEachChapterAsItsBoxReads) {
  h.onlyChapter(2, 1);
  h.mark({"Non"});

  h.model.menuCommand("mnuImprimerErreurs");

  ASSERT_EQ(jobs().size(), 1u);
  EXPECT_EQ(jobs()[0].kind, DocumentKind::ErrorReport);
  EXPECT_EQ(jobs()[0].copies, 1);
  const PrintedErrorReport& report = jobs()[0].report;
  EXPECT_EQ(report.userName, "Utilisateur par défaut");
  EXPECT_EQ(report.title, "Parapente 2004");
  EXPECT_EQ(report.subtitle, "- Brevet de Pilote -");
  EXPECT_EQ(report.chapterNames,
            (Texts{"Méteo", "Mécanique de Vol Générale", "Mécanique de Vol Parapente", "Matériel Général",
                   "Matériel Parapente", "Réglementation", "Pilotage Général", "Pilotage Parapente"}));
  EXPECT_EQ(report.lines, (Texts{"", "X", "", "", "", "", "", ""}));
}

}  // namespace
}  // namespace ventelle
