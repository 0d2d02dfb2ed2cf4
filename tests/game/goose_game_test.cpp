#include "game/goose_game.h"

#include <gtest/gtest.h>

#include "fakes/planned_random.h"
#include "fakes/recording_sound.h"

namespace ventelle {
namespace {

// A game whose every draw is planned: the start square, then each face the
// die shows.
class GameTable : public ::testing::Test {
 protected:
  PlannedRandom random;
  RecordingSound sound;
  GooseGame game{random, sound};

  void typeName(const std::string& name, int width = 100) {
    ASSERT_EQ(game.editName(name, width), width < kMaxNameWidthTwips);
    game.enterName();
  }
  // Names typed, then an empty Enter when fewer than four; all pawns on `start`.
  void startWith(const std::vector<std::string>& names, int start) {
    ASSERT_TRUE(game.open());
    random.queueDraw(start, kSquareCount);
    random.queueDraw(1, 6);
    for (const auto& name : names) typeName(name);
    if (names.size() < kMaxPlayers) game.enterName();
    ASSERT_EQ(game.phase(), GamePhase::WaitingForDie);
  }
  // The click and three ticks show other faces, the fourth tick the throw;
  // before each, the face shown is drawn again and must be drawn over.
  void planThrow(int face) {
    for (int i = 0, previous = game.dieFace(); i < 5; ++i) {
      int x = i == 4 ? face : 1;
      while (i < 4 && (x == previous || (i == 3 && x == face))) ++x;
      random.queueDraw(previous, 6);
      random.queueDraw(previous = x, 6);
    }
  }
  // Clicks the die and ticks until the square's rule has been applied.
  GameRequest throwDie(int face) {
    planThrow(face);
    game.clickDie();
    GameRequest request = GameRequest::None;
    for (int i = 0; i < game_timing::kDieTicks + face + 1; ++i) request = game.tick();
    EXPECT_EQ(random.pending(), 0u);
    return request;
  }
  int countdownShown() const { return game.countdown().tens * 10 + game.countdown().units; }
};

TEST_F(GameTable, AThrowRollsTheDieWithItsSoundsThenWalksThePawnRoundTheLoop) {
  startWith({"Alice"}, 65);
  planThrow(6);
  game.clickDie();
  for (int tick = 0; tick <= game_timing::kDieTicks; ++tick) {  // a sound at the click, then every second tick
    EXPECT_EQ(sound.count("jeu/dé.wav"), 1 + tick / 2) << tick;
    if (tick < game_timing::kDieTicks) game.tick();
  }
  EXPECT_EQ(game.timer(), (GameTimer{400, true}));
  for (int i = 0; i < 6; ++i) game.tick();
  EXPECT_EQ(sound.count("jeu/drapeau.wav"), 6);
  EXPECT_EQ(game.players()[0].square, 3);
  EXPECT_EQ(game.tick(), GameRequest::AskQuestion);
  EXPECT_EQ(game.questionChapter(), 4);
}

TEST_F(GameTable, AnOtherSquarePlaysItsSoundScoresAndHandsTheTurnOnUnlessItReplays) {
  for (const auto& [start, sounded, score, next] :
       {std::tuple{1, "jeu/rejoue.wav", 0, 1}, {10, "jeu/+1000.wav", 1000, 1}, {6, "jeu/-1000.wav", -1000, 2}}) {
    startWith({"Alice", "Bruno"}, start);
    EXPECT_EQ(throwDie(4), GameRequest::None);
    EXPECT_EQ(sound.count(sounded), 1);
    EXPECT_EQ(game.players()[0].score, score);
    game.tick();
    EXPECT_EQ(game.currentPlayer(), next) << sounded;
    EXPECT_TRUE(game.dieEnabled() && !game.timer().running);
    ASSERT_TRUE(game.close());
  }
}

TEST_F(GameTable, AChapterSquareHidesTheBoardUnderACountdownThatScoresTheAnswerOnce) {
  startWith({"Alice", "Bruno"}, 48);
  EXPECT_EQ(throwDie(4), GameRequest::AskQuestion);
  EXPECT_EQ(game.questionChapter(), 6);  // square 52, the only "Cerf Volant" square
  EXPECT_FALSE(game.boardVisible());
  EXPECT_EQ(game.timer(), (GameTimer{350, true}));
  EXPECT_EQ(countdownShown(), 20);
  for (int i = 0; i < 3; ++i) game.tick();
  EXPECT_EQ(countdownShown(), 19);
  game.answerMarked(-3);
  game.answerMarked(6);
  EXPECT_EQ(game.pointsText(), "-1170 Points");
  EXPECT_TRUE(game.pointsVisible());
  EXPECT_EQ(game.players()[0].score, -1170);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(game.tick(), GameRequest::None);  // the score waits for the player
  EXPECT_FALSE(game.close());  // not while a question is on screen
  EXPECT_TRUE(game.goOn());
  EXPECT_FALSE(game.goOn());
  game.tick();
  EXPECT_EQ(game.currentPlayer(), 2);  // a wrong answer passes the turn
  EXPECT_TRUE(game.boardVisible() && !game.pointsVisible());
}

TEST_F(GameTable, AQuestionEndsAtTimeOutWithTheTickedAnswerOrWhenItCannotBePutWithoutScore) {
  startWith({"Alice", "Bruno"}, 48);
  ASSERT_EQ(throwDie(4), GameRequest::AskQuestion);
  for (int i = 1; i < kCountdownTicks; ++i) game.tick();
  EXPECT_EQ(game.tick(), GameRequest::AnswerForPlayer);
  EXPECT_EQ(sound.count("jeu/gong.wav"), 1);
  EXPECT_EQ(sound.count("jeu/timer.wav"), kCountdownTicks);
  EXPECT_EQ(countdownShown(), 0);
  game.answerMarked(6);  // the press made for the player
  EXPECT_EQ(game.pointsText(), "0 Points");
  EXPECT_EQ(game.players()[0].icons[5], kCompleteLevel);
  EXPECT_TRUE(game.goOn());
  game.tick();
  EXPECT_EQ(game.currentPlayer(), 1);
  // A question that cannot be put passes the turn without score.
  ASSERT_EQ(throwDie(5), GameRequest::AskQuestion);  // square 57
  game.questionUnavailable();
  game.answerMarked(6);
  EXPECT_FALSE(game.scoreWaiting());
  game.tick();
  EXPECT_EQ(game.players()[0].score, 0);
  EXPECT_EQ(game.currentPlayer(), 2);
}

TEST_F(GameTable, NamesAreTakenUntilFourOrAnEmptyEnterAndClosingStopsEverything) {
  ASSERT_TRUE(game.open());
  typeName("   ");  // blanks are no name: still one player needed
  typeName("  Alice ");
  EXPECT_EQ(game.phase(), GamePhase::NameEntry);
  EXPECT_EQ(game.players().at(0).name, "Alice");
  // A paste too wide is refused and leaves the emptied box, not the last name.
  EXPECT_FALSE(game.editName("Un nom bien trop long pour le panneau", kMaxNameWidthTwips));
  EXPECT_EQ(game.nameText(), "");
  random.queueDraw(20, kSquareCount);
  random.queueDraw(3, 6);
  for (const char* name : {"Bruno", "Chloé", "Denis"}) typeName(name, kMaxNameWidthTwips - 1);
  EXPECT_EQ(game.phase(), GamePhase::WaitingForDie);  // the fourth name starts play
  for (const auto& p : game.players()) EXPECT_EQ(p.square, 20);
  EXPECT_EQ(game.dieFace(), 3);
  planThrow(4);
  game.clickDie();
  game.tick();
  ASSERT_TRUE(game.close());  // while the die rolls
  const auto played = sound.played.size();
  EXPECT_EQ(game.tick(), GameRequest::None);
  EXPECT_EQ(sound.played.size(), played);
  EXPECT_TRUE(game.players().empty());
  EXPECT_EQ(game.currentPlayer() + game.dieFace(), 0);  // no one's turn, no face shown
  EXPECT_FALSE(game.close());
}

// Each throw goes for the nearest square of a category the icons still
// lack, and every answer there is right.
TEST_F(GameTable, APlayerWinsOnceEveryIconIsComplete) {
  startWith({"Alice"}, 30);
  int right = 0;
  for (int turn = 0; turn < 1000 && game.phase() != GamePhase::Won; ++turn) {
    const IconLevels& icons = game.current().icons;
    int face = 1, square = squareAfter(game.current().square);
    for (; face < 6 && (landingOn(square).kind != SquareKind::Chapter ||
                        icons[landingOn(square).chapter - 1] == kCompleteLevel); ++face)
      square = squareAfter(square);
    if (throwDie(face) == GameRequest::AskQuestion) {
      right += icons[game.questionChapter() - 1] < kCompleteLevel;
      game.answerMarked(icons[game.questionChapter() - 1] < kCompleteLevel ? kFullMark : 0);
      EXPECT_TRUE(game.goOn());
    }
    game.tick();
  }
  ASSERT_EQ(game.phase(), GamePhase::Won);
  EXPECT_EQ(right, 30);  // 4 + 4 + 3 + 2 + 4 + 1 + 4 + 4 + 4
  EXPECT_EQ(sound.count("jeu/gagne.wav"), 1);
  EXPECT_EQ(game.pointsText(), "Alice a gagné la partie !");
  EXPECT_FALSE(game.dieEnabled());
  EXPECT_TRUE(game.close());
  startWith({"Bruno"}, 1);  // a new game starts with no one near the win
  EXPECT_EQ(game.iconTotal(), 0);
}

}  // namespace
}  // namespace ventelle
