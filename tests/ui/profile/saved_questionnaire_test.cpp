#include <gtest/gtest.h>

#include "core/file_io.h"
#include "core/text_file.h"
#include "ui/model_harness.h"

namespace ventelle {
namespace {

using Lines = std::vector<std::string>;

Lines profileLines(const ModelHarness& h) { return readTextFile(h.folder.path() / "parapente.ini").value(); }

// The bytes of the default user's profile after its "[Historique]" line.
std::string bytesAfterHistory(const ModelHarness& h) {
  const std::string bytes = readFileBytes(h.folder.path() / "parapente.ini").value_or("");
  const auto at = bytes.find("[Historique]\r\n");
  return at == std::string::npos ? "<none>" : bytes.substr(at + 14);
}

TEST(SavedQuestionnaire, TrainingModeSavesPairsAndResumesWithHistoryScoreAndANewQuestion) {
  ModelHarness h;
  h.start(1, 1);
  h.mark({"Juste"});  // A
  h.next(2, 1);
  h.mark({"Non"});  // X, wrong
  const WindowControls saved = h.controls();
  h.model.menuCommand("mnuEnregistrer");
  EXPECT_EQ(bytesAfterHistory(h), "1,1\r\n2,1\r\n\r\n[Noms]\r\n\"A\"\r\n\"X\"\r\n");
  EXPECT_EQ(profileLines(h).front(), "\"V 6.1\",\"Classique\",7,1,1,1,1,1,1,1,1,0,#FALSE#,0,1,0,0,#TRUE#,#TRUE#,\"2\",\"" +
                                         saved.totalPoints + "\",\"12\",\"" + saved.moyenne + "\",0");
  h.next(3, 5);
  h.mark({"Six"});
  h.queueQuestion(4, 2);
  h.model.menuCommand("mnuReprendre");
  const auto& c = h.controls();
  EXPECT_EQ(c.historique, (Lines{"1.A", "2.X"}));
  EXPECT_EQ(std::tuple(c.nombreQuestionsPosees, c.totalPoints, c.moyenne, c.numero),
            std::tuple(std::string("2"), saved.totalPoints, saved.moyenne, std::string("QCM4.2")));
  EXPECT_EQ(h.model.errorLists().list({7, 2}), "X");
  EXPECT_EQ(h.random.pending(), 0u);
  h.mark({"Six"});  // the score goes on from where it stood
  EXPECT_EQ(c.totalPoints, std::to_string(std::stoi(saved.totalPoints) + 6));
}

// Full-questionnaire mode on chapter 3 (60 numbered questions "Six" 6,
// "Zéro" 0), three buttons answered.
TEST(SavedFullQuestionnaire, SavesTwelveFieldLinesForEveryButtonAndResumesInTheirAnswerOrder) {
  ModelHarness h;
  h.startFullQuestionnaire();
  for (const auto& [k, caption] : {std::pair{1, "Six"}, {2, ""}, {3, "Zéro"}}) h.answerButton(k, caption);
  h.model.menuCommand("mnuEnregistrer");
  h.dialogs.shown.clear();  // the default user's notice
  std::string expected = "3,1,1,1,2,0,0,0,0,0,0,0\r\n3,2,1,0,2,0,0,0,0,0,0,0\r\n3,3,1,0,2,1,0,0,0,0,0,0\r\n";
  for (int k = 4; k <= 60; ++k) expected += "0,0,0,0,0,0,0,0,0,0,0,0\r\n";
  expected += "\r\n[Noms]\r\n\"1\"\r\n\"2\"\r\n\"3\"\r\n";
  for (int k = 4; k <= 60; ++k) expected += "\"\"\r\n";
  EXPECT_EQ(bytesAfterHistory(h), expected);
  // Question 1 was shown "Zéro" first, with "Six" ticked.
  TextLines lines = profileLines(h);
  *std::find(lines.begin(), lines.end(), "3,1,1,1,2,0,0,0,0,0,0,0") = "3,1,2,0,1,1,0,0,0,0,0,0";
  h.folder.writeBytes("parapente.ini", profileBytes(lines));
  h.model.menuCommand("mnuEvaluation");  // elsewhere meanwhile
  h.model.menuCommand("mnuReprendre");
  const auto& c = h.controls();
  ASSERT_EQ(c.bouton.size(), 60u);
  EXPECT_EQ(std::tuple(c.check[1].caption, c.check[1].ticked, c.check[2].caption, c.check[2].ticked),
            std::tuple(std::string("Zéro"), false, std::string("Six"), true));
  EXPECT_EQ(std::tuple(c.bouton[0].back, c.bouton[1].back, c.bouton[2].back),
            std::tuple(std::optional<Colour>(0xFF0000u), std::optional<Colour>(), std::optional<Colour>(65280u)));
  EXPECT_FALSE(c.menus.at("mnuEvaluation").checked);
  h.model.boutonClick(3);  // question 3 comes back as saved
  EXPECT_EQ(std::tuple(c.bouton[0].back, c.check[1].caption, c.check[2].ticked),
            std::tuple(std::optional<Colour>(65280u), std::string("Six"), true));
  h.model.menuCommand("mnuEnregistrer");  // question 1 keeps its restored order and tick
  EXPECT_NE(bytesAfterHistory(h).find("3,1,2,0,1,1,0,0,0,0,0,0\r\n"), std::string::npos);
  EXPECT_TRUE(h.dialogs.shown.empty());
  EXPECT_EQ(h.random.pending(), 0u);
}

}  // namespace
}  // namespace ventelle
