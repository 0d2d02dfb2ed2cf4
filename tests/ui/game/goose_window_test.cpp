// The goose game as the main window plays it: the board over the quiz, the
// questions of its squares through the default user's profile, and the quiz
// given back on closing. The game's rules are checked in tests/game.
#include <gtest/gtest.h>

#include "core/file_io.h"
#include "fakes/recording_sound.h"
#include "ui/game/goose_commands.h"
#include "ui/model_harness.h"

namespace ventelle {
namespace {

class GooseWindow : public ::testing::Test {
 protected:
  // A "QCM 2000" bank of five questions a chapter, each "Six" (6) and "Zéro"
  // (0); the program starts on that exam. Alice plays from square 11.
  void SetUp() override {
    for (int k = 1; k <= kCategoryCount; ++k)
      folder.write("2000/nChapitre" + std::to_string(k) + ".dat", chapterFileText(numberedChapter(5)));
    TextLines profile = defaultProfileLines();
    profile.front() = "V 6.1,Classique,2,1,1,1,1,1,0,1,1,1,#FALSE#,0,1,0,0,#TRUE#,#TRUE#,,,,,0";
    folder.writeBytes("parapente.cfg", profileBytes(profile));
    model.start();
    model.menuCommand("mnjoueoie");
    random.queueDraw(11, kSquareCount);
    random.queueDraw(1, 6);
    model.gameNameEdited("Alice", 300);
    model.gameNameEntered();
    model.gameNameEntered();
  }
  // A throw of four (square 15, "Mécavol parapente"), faces differing in turn.
  void throwFour() {
    for (const int face : {2, 3, 2, 3, 4}) random.queueDraw(face, 6);
    model.gameDieClick();
    for (int i = 0; i < game_timing::kDieTicks + 5; ++i) model.gameTick();
  }
  void tickSix() {
    for (int i = 1; i <= kMaxAnswers; ++i)
      if (controls().check[i].caption == "Six") model.checkClick(i);
  }
  const WindowControls& controls() const { return model.controls(); }

  TempFolder folder;
  RecordingDialogs dialogs;
  RecordingDesktop desktop;
  RecordingPrintService printer;
  PlannedRandom random;
  RecordingSound sound;
  ChapterLibrary library{ProgramFolder(folder.path())};
  MainWindowModel model{dialogs, desktop, random, library, printer, sound};
};

TEST_F(GooseWindow, TheBoardLocksTheQuizUnderItAndAChapterSquareAsksThroughTheDefaultProfile) {
  EXPECT_EQ(controls().windowWidth, 8475);
  EXPECT_FALSE(controls().menus.reachable("mnuOptions"));
  EXPECT_EQ(controls().title, "Ventelle - QCM 2000 - FFVL               -Alice-");
  model.checkClick(1);
  model.questionClick();
  model.wingClick();
  EXPECT_FALSE(controls().check[1].ticked);
  EXPECT_EQ(controls().nombreQuestionsPosees, "");

  throwFour();
  ASSERT_EQ(model.game().phase(), GamePhase::Question);
  TextLines expected = defaultProfileLines();
  expected.front() = gameSettingsLine(3);
  EXPECT_EQ(readFileBytes(folder.path() / "parapente.ini"), profileBytes(expected));
  for (int k = 1; k <= kCategoryCount; ++k) EXPECT_EQ(controls().partie[k].ticked, k == 3) << k;
  EXPECT_EQ(controls().title, "Ventelle - QCM 2000 - FFVL               -Alice-");

  tickSix();
  model.questionClick();
  EXPECT_EQ(model.game().players()[0].score, 2460);
  model.questionClick();  // goes on: no second score
  EXPECT_EQ(controls().nombreQuestionsPosees, "1");
  EXPECT_EQ(model.game().players()[0].score, 2460);
}

TEST_F(GooseWindow, ClosingWaitsForTheQuestionThenGivesTheDefaultUserTheQuizBack) {
  throwFour();
  model.menuCommand("mnufermoie");
  EXPECT_TRUE(model.game().isOpen());  // a question is on screen
  model.questionClick();
  model.questionClick();
  model.gameTick();
  model.menuCommand("mnufermoie");
  EXPECT_FALSE(model.game().isOpen());
  EXPECT_FALSE(model.game().timer().running);
  EXPECT_EQ(readFileBytes(folder.path() / "parapente.ini"), readFileBytes(folder.path() / "parapente.cfg"));
  EXPECT_EQ(controls().title, "Ventelle - QCM 2000 - FFVL               -Utilisateur par défaut-");
  EXPECT_EQ(controls().windowWidth, 9180);
  EXPECT_TRUE(controls().menus.reachable("mnuOptions"));
  EXPECT_EQ(controls().question.tag, tags::kEvaluation);
}

}  // namespace
}  // namespace ventelle
