// The goose game as the main window plays it: the board over the quiz, the
// questions of its squares through the default user's profile, and the quiz
// given back on closing. The game's rules are checked in tests/game.
#include <gtest/gtest.h>

#include "core/file_io.h"
#include "ui/game/goose_commands.h"
#include "ui/model_harness.h"

namespace ventelle {
namespace {

// A "QCM 2000" bank of five questions a chapter, each "Six" (6) and "Zéro"
// (0); Alice plays alone from square 11 and throws a four, to square 15,
// "Mécavol parapente".
TEST(GooseWindow, TheBoardLocksTheQuizUnderItAsksThroughTheDefaultProfileAndGivesTheQuizBack) {
  ModelHarness h;
  for (int k = 1; k <= kCategoryCount; ++k)
    h.folder.write("2000/nChapitre" + std::to_string(k) + ".dat", chapterFileText(numberedChapter(5)));
  h.start();
  const auto profile = [&h] { return readFileBytes(h.folder.path() / "parapente.ini"); };
  const auto before = profile();
  h.model.menuCommand("mnjoueoie");
  h.random.queueDraw(11, kSquareCount);
  h.random.queueDraw(1, 6);
  h.model.gameNameEdited("Alice", 300);
  for (int i = 0; i < 2; ++i) h.model.gameNameEntered();  // Alice, then no second player
  h.model.checkClick(1);
  h.model.questionClick();
  EXPECT_TRUE(!h.controls().menus.reachable("mnuOptions") && !h.controls().check[1].ticked &&
              h.controls().nombreQuestionsPosees.empty());

  for (const int face : {2, 3, 2, 3, 4}) h.random.queueDraw(face, 6);
  h.model.gameDieClick();
  for (int i = 0; i < game_timing::kDieTicks + 5; ++i) h.model.gameTick();
  ASSERT_EQ(h.model.game().phase(), GamePhase::Question);
  TextLines expected = defaultProfileLines();
  expected.front() = gameSettingsLine(3);
  EXPECT_EQ(profile(), profileBytes(expected));
  EXPECT_TRUE(h.controls().partie[3].ticked && !h.controls().partie[4].ticked &&
              h.controls().title == "Ventelle - QCM 2000 - FFVL               -Alice-");
  h.model.menuCommand("mnufermoie");
  EXPECT_TRUE(h.model.game().isOpen());  // not while a question is on screen

  h.tick("Six");
  h.model.questionClick();
  h.model.questionClick();  // goes on: no second score
  EXPECT_TRUE(h.controls().nombreQuestionsPosees == "1" && h.model.game().players()[0].score == 2460);
  h.model.gameTick();
  h.model.menuCommand("mnufermoie");
  EXPECT_FALSE(h.model.game().isOpen() || h.model.game().timer().running);
  EXPECT_TRUE(profile() == before && h.model.examIndex() == 7 && h.controls().menus.reachable("mnuOptions"));
}

}  // namespace
}  // namespace ventelle
