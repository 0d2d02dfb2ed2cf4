#include <gtest/gtest.h>

#include "core/file_io.h"
#include "core/text_file.h"
#include "ui/model_harness.h"

namespace ventelle {
namespace {

using Lines = std::vector<std::string>;

// The default user's profile, line by line.
Lines profileLines(const ModelHarness& h) { return readTextFile(h.folder.path() / "parapente.ini").value(); }

// The lines after "[Historique]".
Lines questionnaireLines(const ModelHarness& h) {
  const Lines lines = profileLines(h);
  const auto header = std::find(lines.begin(), lines.end(), "[Historique]");
  EXPECT_NE(header, lines.end());
  return Lines(header + 1, lines.end());
}

// The bytes of the default user's profile after its "[Historique]" line.
std::string bytesAfterHistory(const ModelHarness& h) {
  const std::string bytes = readFileBytes(h.folder.path() / "parapente.ini").value_or("");
  const std::string header = "[Historique]\r\n";
  const auto at = bytes.find(header);
  EXPECT_NE(at, std::string::npos);
  return at == std::string::npos ? "" : bytes.substr(at + header.size());
}

std::string lineOf(const Lines& lines, const std::string& start) {
  for (const auto& line : lines)
    if (line.starts_with(start)) return line;
  return "<absent>";
}

TEST(SavedQuestionnaire, SavingBeforeAnyQuestionWritesTheSettingsAndNoQuestionnaire) {
  ModelHarness h;
  h.start();
  h.model.menuCommand("mnuEnregistrer");
  const Lines lines = profileLines(h);
  EXPECT_EQ(lines.front(),
            "\"V 6.1\",\"Classique\",7,1,1,1,1,1,1,1,1,0,#FALSE#,0,1,0,0,#TRUE#,#TRUE#,\"\",\"\",\"\",\"\",0");
  EXPECT_EQ(lines.back(), "[Historique]");
  EXPECT_EQ(lines.size(), 2u + 11u * 2 + 76u + 1u);  // settings and blank, headers and blanks, chapters, history
}

TEST(SavedQuestionnaire, TrainingModeSavesPairsAndResumesWithHistoryScoreAndANewQuestion) {
  ModelHarness h;
  h.start(1, 1);
  h.mark({"Juste"});  // A
  h.next(2, 1);
  h.mark({"Non"});  // X, wrong
  h.next(2, 2);
  h.mark({"Oui"});  // Y
  const WindowControls saved = h.controls();
  h.model.menuCommand("mnuEnregistrer");
  // Two fields a line, as the format has them; the names in a block of their own.
  EXPECT_EQ(bytesAfterHistory(h), "1,1\r\n2,1\r\n2,2\r\n\r\n[Noms]\r\n\"A\"\r\n\"X\"\r\n\"Y\"\r\n");
  EXPECT_EQ(profileLines(h).front(), "\"V 6.1\",\"Classique\",7,1,1,1,1,1,1,1,1,0,#FALSE#,0,1,0,0,#TRUE#,#TRUE#,\"3\",\"" +
                                         saved.totalPoints + "\",\"18\",\"" + saved.moyenne + "\",0");

  // The user goes on, then takes the saved questionnaire up again.
  h.next(3, 5);
  h.mark({"Six"});
  h.queueQuestion(4, 2);
  h.model.menuCommand("mnuReprendre");

  const auto& c = h.controls();
  EXPECT_EQ(c.historique, (Lines{"1.A", "2.X", "2.Y"}));
  EXPECT_EQ(c.nombreQuestionsPosees, "3");
  EXPECT_EQ(c.totalPoints, saved.totalPoints);
  EXPECT_EQ(c.nombrePointsMax, "18");
  EXPECT_EQ(c.moyenne, saved.moyenne);
  EXPECT_EQ(c.numero, "QCM4.2");
  EXPECT_EQ(c.question.caption, "Evaluation");
  EXPECT_EQ(h.model.errorLists().list({7, 2}), "X");
  EXPECT_EQ(h.random.pending(), 0u);

  // The score goes on from where it stood.
  h.mark({"Six"});
  EXPECT_EQ(c.nombreQuestionsPosees, "4");
  EXPECT_EQ(c.totalPoints, std::to_string(std::stoi(saved.totalPoints) + 6));
  EXPECT_EQ(c.historique.size(), 4u);
}

// Chapter 1 holds A, B, C in places 1 to 3; the questionnaire asked them in
// that order and was saved, then its lines are given another form.
class MovedQuestions : public ::testing::Test {
 protected:
  void SetUp() override {
    h.start(1, 1);
    h.mark({"Juste"});
    h.next(1, 2);
    h.mark({"Moitié"});
    h.next(1, 3);
    h.mark({"Un"});
    h.model.menuCommand("mnuEnregistrer");
  }
  void resumeWith(const Lines& questionnaire) {
    TextLines lines = profileLines(h);
    const auto header = std::find(lines.begin(), lines.end(), "[Historique]");
    lines.erase(header + 1, lines.end());
    lines.insert(lines.end(), questionnaire.begin(), questionnaire.end());
    h.folder.writeBytes("parapente.ini", profileBytes(lines));
    h.queueQuestion(4, 2);
    h.model.menuCommand("mnuReprendre");
  }
  int lostNotices() const {
    int n = 0;
    for (const auto& m : h.dialogs.shown) n += m.text.find("une autre question a pris sa place") != std::string::npos;
    return n;
  }
  ModelHarness h;
};

TEST_F(MovedQuestions, ALineSavedBeforeNamesIsFoundThroughThePreviousEditionAndAReplacedQuestionIsDropped) {
  // In the previous edition, place 1 held C, place 2 held A, and place 3 a
  // question B since replaced by another under the same name.
  h.folder.write("questions-precedentes.txt", "; édition précédente\n2004\\2.qcm=C,A,B*\n");
  resumeWith({"1,1", "1,2", "1,3"});
  EXPECT_EQ(h.controls().historique, (Lines{"1.C", "1.A"}));
  EXPECT_EQ(h.model.quiz().askedQuestions[0].index, 3);
  EXPECT_EQ(h.model.quiz().askedQuestions[1].index, 1);
  ASSERT_EQ(lostNotices(), 1);
  EXPECT_NE(h.dialogs.shown.back().text.find("la question n°3 "), std::string::npos) << h.dialogs.shown.back().text;
}

TEST_F(MovedQuestions, ANamedQuestionIsFoundWhereverItStandsOrIsDropped) {
  const std::vector<std::pair<std::string, Lines>> forms = {
      {"names in their block", {"1,1", "1,2", "1,3", "", "[Noms]", "\"C\"", "\"B\"", "\"Disparue\""}},
      {"names as a last field", {"1,1,\"C\"", "1,2,\"B\"", "1,3,\"Disparue\""}},
  };
  for (const auto& [form, lines] : forms) {
    SCOPED_TRACE(form);
    h.dialogs.shown.clear();
    resumeWith(lines);
    EXPECT_EQ(h.controls().historique, (Lines{"1.C", "1.B"}));
    EXPECT_EQ(h.model.quiz().askedQuestions[0].index, 3);
    EXPECT_EQ(lostNotices(), 1);
  }
}

TEST_F(MovedQuestions, ABlockOfNamesThatDoesNotMatchTheLinesIsNotUsed) {
  resumeWith({"1,2", "1,3", "", "[Noms]", "\"C\""});
  EXPECT_EQ(h.controls().historique, (Lines{"1.B", "1.C"}));
  EXPECT_EQ(lostNotices(), 0);
}

TEST_F(MovedQuestions, WithTheLowerLevelsAnOldPlaceCountsThePreviousSizeOfEveryModuleOfTheChapter) {
  // With the lower levels, chapter 1 is module 2 then module 1; module 2
  // held three questions in the previous edition and holds five today.
  h.folder.write("2004/1.qcm", chapterFileText({{"L1", {{"Oui", 6}, {"Non", -6}}}, {"L2", {{"Oui", 6}, {"Non", -6}}}}));
  h.folder.write("questions-precedentes.txt", "2004\\2.qcm=A,B,C\n2004\\1.qcm=L1,L2\n");
  TextLines lines = profileLines(h);
  const auto lower = lines.front().find(",#FALSE#,");
  ASSERT_NE(lower, std::string::npos);
  lines.front().replace(lower, 9, ",#TRUE#,");
  h.folder.writeBytes("parapente.ini", profileBytes(lines));
  resumeWith({"1,4", "1,1"});
  ASSERT_TRUE(h.controls().menus.at("mnuInclure").checked);
  EXPECT_EQ(h.controls().historique, (Lines{"1.L1", "1.A"}));
  EXPECT_EQ(h.model.quiz().askedQuestions[0].index, 6);
  EXPECT_EQ(lostNotices(), 0);
}

TEST_F(MovedQuestions, WithoutThePreviousEditionAnOldLineKeepsItsPlace) {
  resumeWith({"1,2", "1,3"});
  EXPECT_EQ(h.controls().historique, (Lines{"1.B", "1.C"}));
  EXPECT_EQ(lostNotices(), 0);
}

TEST(SavedQuestionnaire, AMarkingRewritesOnlyTheChapterLines) {
  ModelHarness h;
  h.start(2, 1);
  h.mark({"Oui"});
  h.model.menuCommand("mnuEnregistrer");
  const Lines before = profileLines(h);
  h.next(2, 2);
  h.mark({"Non"});  // Y, wrong
  const Lines after = profileLines(h);
  ASSERT_EQ(after.size(), before.size());
  for (std::size_t k = 0; k < before.size(); ++k)
    if (before[k] != after[k]) {
      EXPECT_EQ(after[k], "Chapitre2=Y") << "line " << k + 1;
    }
  EXPECT_EQ(lineOf(after, "Chapitre2=Y"), "Chapitre2=Y");
  EXPECT_EQ(questionnaireLines(h), (Lines{"2,1", "", "[Noms]", "\"X\""}));
}

TEST(SavedQuestionnaire, ScoreLabelsLeftEmptyRestoreNoQuestionnaire) {
  ModelHarness h;
  h.start();
  TextLines lines = profileLines(h);
  lines.insert(lines.end(), {"1,1", "1,2"});
  h.folder.writeBytes("parapente.ini", profileBytes(lines));
  h.queueQuestion(2, 3);
  h.model.menuCommand("mnuReprendre");
  EXPECT_TRUE(h.controls().historique.empty());
  EXPECT_EQ(h.controls().numero, "QCM2.Z");
  EXPECT_TRUE(h.dialogs.shown.empty());
}

// Exam 7 in full-questionnaire mode on chapter 3 (60 numbered questions
// "Six" 6, "Zéro" 0), three buttons answered.
class SavedFullQuestionnaire : public ::testing::Test {
 protected:
  void SetUp() override {
    h.start();
    h.onlyChapter(3, 1);
    h.queueQuestion(3, 1);  // the reset's draw
    h.queueQuestion(3, 1);  // button 1
    h.model.menuCommand("mnuEvaluation");
    answer(1, "Six");
    answer(2, "");
    answer(3, "Zéro");
  }
  void answer(int k, const std::string& caption) {
    if (h.model.quiz().questionRecords[k - 1].nbRep == 0) h.queueQuestion(3, k);
    h.model.boutonClick(k);
    if (!caption.empty()) h.tick(caption);
  }
  ModelHarness h;
};

TEST_F(SavedFullQuestionnaire, SavesTwelveFieldLinesForEveryButton) {
  h.model.menuCommand("mnuEnregistrer");
  // Twelve fields a line, an empty slot included; the names in a block of their own.
  std::string expected = "3,1,1,1,2,0,0,0,0,0,0,0\r\n3,2,1,0,2,0,0,0,0,0,0,0\r\n3,3,1,0,2,1,0,0,0,0,0,0\r\n";
  for (int k = 4; k <= 60; ++k) expected += "0,0,0,0,0,0,0,0,0,0,0,0\r\n";
  expected += "\r\n[Noms]\r\n\"1\"\r\n\"2\"\r\n\"3\"\r\n";
  for (int k = 4; k <= 60; ++k) expected += "\"\"\r\n";
  EXPECT_EQ(bytesAfterHistory(h), expected);
  EXPECT_TRUE(profileLines(h).front().find(",#FALSE#,\"60\",\"\",\"\",\"\",0") != std::string::npos);
}

TEST_F(SavedFullQuestionnaire, ResumesInTheSavedAnswerOrderWithTicksAndGreenButtons) {
  h.model.menuCommand("mnuEnregistrer");
  h.dialogs.shown.clear();  // the default user's notice
  // Question 1 was shown "Zéro" first, with "Six" ticked.
  TextLines lines = profileLines(h);
  const auto first = std::find(lines.begin(), lines.end(), "3,1,1,1,2,0,0,0,0,0,0,0");
  ASSERT_NE(first, lines.end());
  *first = "3,1,2,0,1,1,0,0,0,0,0,0";
  h.folder.writeBytes("parapente.ini", profileBytes(lines));
  h.model.menuCommand("mnuEvaluation");  // elsewhere meanwhile
  h.model.menuCommand("mnuReprendre");

  const auto& c = h.controls();
  ASSERT_EQ(c.bouton.size(), 60u);
  EXPECT_EQ(c.numero, "QCM3.1");
  EXPECT_EQ(c.check[1].caption, "Zéro");
  EXPECT_FALSE(c.check[1].ticked);
  EXPECT_EQ(c.check[2].caption, "Six");
  EXPECT_TRUE(c.check[2].ticked);
  EXPECT_EQ(c.bouton[0].back, 0xFF0000u);  // the question shown
  EXPECT_EQ(c.bouton[1].back, std::nullopt);
  EXPECT_EQ(c.bouton[2].back, 65280u);
  EXPECT_EQ(c.bouton[3].back, std::nullopt);
  EXPECT_EQ(c.nombreQuestionsPosees, "60");
  EXPECT_FALSE(c.menus.at("mnuEvaluation").checked);
  EXPECT_TRUE(h.dialogs.shown.empty());

  // Leaving question 1 keeps its restored tick; question 3 comes back as saved.
  h.model.boutonClick(3);
  EXPECT_EQ(c.bouton[0].back, 65280u);
  EXPECT_EQ(c.check[1].caption, "Six");
  EXPECT_TRUE(c.check[2].ticked);
  EXPECT_EQ(h.random.pending(), 0u);
}

TEST_F(SavedFullQuestionnaire, AMarkedQuestionnaireCannotBeSavedButItsMistakesAreWritten) {
  for (int k = 4; k <= 60; ++k) answer(k, "Six");
  answer(2, "Six");
  h.model.questionClick();
  ASSERT_FALSE(h.controls().question.visible);
  EXPECT_EQ(lineOf(profileLines(h), "Chapitre3=3"), "Chapitre3=3");
  const auto before = readFileBytes(h.folder.path() / "parapente.ini");
  h.dialogs.shown.clear();
  h.model.menuCommand("mnuEnregistrer");
  ASSERT_EQ(h.dialogs.shown.size(), 1u);
  EXPECT_EQ(h.dialogs.shown[0].icon, MessageIcon::Exclamation);
  EXPECT_EQ(h.dialogs.shown[0].title, "Attention !");
  EXPECT_EQ(h.dialogs.shown[0].text, "Vous ne pouvez pas enregistrer un QCM évalué !");
  EXPECT_EQ(readFileBytes(h.folder.path() / "parapente.ini"), before);
}

// Loading from full-questionnaire mode: the profile's exam switch lays no
// questionnaire out of its own; the window ends in the profile's mode, on
// the profile's chapter, with one draw and no message.
TEST(SavedQuestionnaire, LoadingFromFullQuestionnaireModeEndsInTheProfilesModeWithNothingLeftOfTheSwitch) {
  struct Case {
    std::string evaluation;  // the settings line's "&Evaluation continue"
    int confirmed;
    std::size_t buttons;
  };
  for (const Case& test : {Case{"#TRUE#", 0, 0}, Case{"#FALSE#", 1, 30}}) {
    ModelHarness h;
    h.start();
    h.onlyChapter(3, 1);
    h.queueQuestion(3, 1);  // the reset's draw
    h.queueQuestion(3, 1);  // button 1
    h.model.menuCommand("mnuEvaluation");
    ASSERT_EQ(h.controls().bouton.size(), 60u);
    TextLines lines = profileLines(h);
    lines.front() = "V 6.1,Classique,7,0,1,0,0,0,0,0,0,0,#FALSE#,0,1,0," + std::to_string(test.confirmed) +
                    ",#TRUE#," + test.evaluation + ",,,,,0";
    h.folder.writeBytes("parapente.ini", profileBytes(lines));
    h.dialogs.shown.clear();
    h.random.queueDraw(1, 1);  // chapter 2, the one ticked
    h.queuePlace(2, 3);

    h.model.menuCommand("mnuReprendre");

    const auto& c = h.controls();
    EXPECT_EQ(c.menus.at("mnuEvaluation").checked, test.evaluation == "#TRUE#") << test.evaluation;
    EXPECT_EQ(c.bouton.size(), test.buttons) << test.evaluation;
    EXPECT_EQ(c.numero, "QCM2.Z") << test.evaluation;
    EXPECT_EQ(h.random.pending(), 0u) << test.evaluation;
    EXPECT_TRUE(h.dialogs.shown.empty()) << test.evaluation;
    if (test.buttons > 0) {
      EXPECT_EQ(h.model.quiz().questionRecords[0].nom, "Z");
      EXPECT_EQ(c.bouton[0].back, 0xFF0000u);  // the question shown
    }
  }
}

TEST(Reask, TakesTheListFromTheProfile) {
  ModelHarness h;
  h.start(2, 1);
  h.model.menuCommand("mnurepose1");
  h.mark({"Non"});  // X, wrong: re-asked at the next draw
  ASSERT_EQ(lineOf(profileLines(h), "Chapitre2=X"), "Chapitre2=X");
  // The list in the file is what counts, even edited by hand.
  TextLines lines = profileLines(h);
  *std::find(lines.begin(), lines.end(), "Chapitre2=X") = "Chapitre2=Z";
  h.folder.writeBytes("parapente.ini", profileBytes(lines));
  h.tickOnly({2});
  h.queueChapter(2);
  h.random.queueDraw(1, 2);  // Z's answers in file order
  h.random.queueDraw(2, 2);
  h.model.questionClick();
  EXPECT_EQ(h.controls().numero, "QCM2.Z");
  EXPECT_TRUE(h.controls().line1);
}

}  // namespace
}  // namespace ventelle
