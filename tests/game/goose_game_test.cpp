#include "game/goose_game.h"

#include <functional>

#include <gtest/gtest.h>

#include "fakes/planned_random.h"
#include "fakes/recording_sound.h"
#include "fakes/scripted_random.h"

namespace ventelle {
namespace {

const std::string kDieSound = "jeu/dé.wav";
const std::string kStepSound = "jeu/drapeau.wav";
const std::string kGong = "jeu/gong.wav";
const std::string kWonSound = "jeu/gagne.wav";

// A game whose every draw is planned: the start square, then each face the
// die shows.
class GameTable : public ::testing::Test {
 protected:
  GooseGame game{random, sound};
  PlannedRandom random;
  RecordingSound sound;

  void typeName(const std::string& name) {
    game.editName(name, 100);
    game.enterName();
  }
  // Names typed, then an empty Enter when fewer than four; all pawns on `start`.
  void startWith(const std::vector<std::string>& names, int start, int firstFace = 1) {
    ASSERT_TRUE(game.open());
    random.queueDraw(start, kSquareCount);
    random.queueDraw(firstFace, 6);
    for (const auto& name : names) typeName(name);
    if (names.size() < kMaxPlayers) game.enterName();
    ASSERT_EQ(game.phase(), GamePhase::WaitingForDie);
  }
  // Plans the faces of one throw: the click and three ticks show others,
  // the fourth tick shows the throw, no face twice in a row.
  void planThrow(int face) {
    int previous = game.dieFace();
    for (int i = 0; i < 4; ++i) {
      int x = 1;
      while (x == previous || (i == 3 && x == face)) ++x;
      random.queueDraw(x, 6);
      previous = x;
    }
    random.queueDraw(face, 6);
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
  // The question on screen marked after `ticks` ticks, then the player goes on.
  void answer(int mark, int ticks = 1) {
    for (int i = 0; i < ticks; ++i) game.tick();
    game.answerMarked(mark);
    EXPECT_TRUE(game.goOn());
  }
  // The tick that hands the turn on.
  void endTurn() {
    game.tick();
    ASSERT_TRUE(game.phase() == GamePhase::WaitingForDie || game.phase() == GamePhase::Won);
  }
};

struct LandingCase {
  const char* kind;
  int start;
  int square;
  std::string sound;
  int score;
  int nextPlayer;
};

class SquareKinds : public GameTable, public ::testing::WithParamInterface<LandingCase> {};

TEST_P(SquareKinds, PlayTheirSoundScoreAndHandTheTurn) {
  const LandingCase& c = GetParam();
  startWith({"Alice", "Bruno"}, c.start);
  EXPECT_EQ(throwDie(c.square - c.start), GameRequest::None);
  EXPECT_EQ(game.players()[0].square, c.square);
  EXPECT_EQ(sound.count(c.sound), 1);
  EXPECT_EQ(game.players()[0].score, c.score);
  endTurn();
  EXPECT_EQ(game.currentPlayer(), c.nextPlayer);
  EXPECT_TRUE(game.dieEnabled());
  EXPECT_FALSE(game.timer().running);
}

INSTANTIATE_TEST_SUITE_P(Board, SquareKinds,
                         ::testing::Values(LandingCase{"PlayAgain", 1, 5, "jeu/rejoue.wav", 0, 1},
                                           LandingCase{"Bonus", 10, 14, "jeu/+1000.wav", 1000, 1},
                                           LandingCase{"Penalty", 6, 10, "jeu/-1000.wav", -1000, 2}),
                         [](const auto& info) { return std::string(info.param.kind); });

TEST_F(GameTable, AChapterSquareAsksItsChapterAndHidesTheBoard) {
  startWith({"Alice", "Bruno"}, 48);
  EXPECT_EQ(throwDie(4), GameRequest::AskQuestion);
  EXPECT_EQ(game.questionChapter(), 6);  // square 52, the only "Cerf Volant" square
  EXPECT_FALSE(game.boardVisible());
  EXPECT_EQ(game.timer(), (GameTimer{350, true}));
  EXPECT_EQ(game.countdown().tens, 2);
  EXPECT_EQ(game.countdown().units, 0);
  answer(0);
  EXPECT_EQ(game.pointsText(), "0 Points");
  endTurn();
  EXPECT_EQ(game.currentPlayer(), 2);  // a wrong answer passes the turn
  EXPECT_TRUE(game.boardVisible());
  EXPECT_FALSE(game.pointsVisible());
}

TEST_F(GameTable, AThrowOfSixFrom65EndsOnSquare3AfterSixSteps) {
  startWith({"Alice"}, 65);
  EXPECT_EQ(throwDie(6), GameRequest::AskQuestion);
  EXPECT_EQ(game.players()[0].square, 3);
  EXPECT_EQ(sound.count(kStepSound), 6);
  EXPECT_EQ(sound.count(kDieSound), 3);  // at the click, then at the second and fourth ticks
  EXPECT_EQ(game.questionChapter(), 4);
}

TEST_F(GameTable, TheDieSoundsAtTheClickThenAtEverySecondTick) {
  startWith({"Alice"}, 1);
  planThrow(4);
  game.clickDie();
  std::vector<int> sounded{sound.count(kDieSound)};
  for (int i = 0; i < game_timing::kDieTicks; ++i) {
    game.tick();
    sounded.push_back(sound.count(kDieSound));
  }
  EXPECT_EQ(sounded, (std::vector<int>{1, 1, 2, 2, 3}));
  EXPECT_EQ(game.phase(), GamePhase::Moving);
  EXPECT_EQ(game.timer(), (GameTimer{400, true}));
}

TEST_F(GameTable, TheDieNeverShowsTheSameFaceTwiceEvenWithAConstantRandomSource) {
  ScriptedRandom constant({0.5});
  GooseGame stuck(constant, sound);
  stuck.open();
  stuck.editName("Alice", 100);
  stuck.enterName();
  stuck.enterName();
  int shown = stuck.dieFace();
  for (int turn = 0; turn < 3; ++turn) {
    // The face changes at the click and at each of the four ticks, across turns too.
    stuck.clickDie();
    for (int change = 0; change < 5; ++change) {
      EXPECT_NE(stuck.dieFace(), shown) << "turn " << turn << ", change " << change;
      shown = stuck.dieFace();
      if (change < 4) stuck.tick();
    }
    for (int i = 0; i < 20 && stuck.phase() != GamePhase::WaitingForDie; ++i)
      if (stuck.tick() == GameRequest::AskQuestion) stuck.questionUnavailable();
    ASSERT_EQ(stuck.phase(), GamePhase::WaitingForDie) << "turn " << turn << " never ended";
  }
}

struct CountdownCase {
  int ticks;
  int mark;
  std::string shown;
  int tens, units;
};

class Countdown : public GameTable, public ::testing::WithParamInterface<CountdownCase> {};

TEST_P(Countdown, AnAnswerEarnsTenPointsPerMarkPointPerTickLeft) {
  const CountdownCase& c = GetParam();
  startWith({"Alice", "Bruno"}, 48);
  ASSERT_EQ(throwDie(4), GameRequest::AskQuestion);
  for (int i = 0; i < c.ticks; ++i) game.tick();
  EXPECT_EQ(game.countdown().tens, c.tens);
  EXPECT_EQ(game.countdown().units, c.units);
  game.answerMarked(c.mark);
  EXPECT_EQ(game.pointsText(), c.shown);
  EXPECT_TRUE(game.pointsVisible());
  EXPECT_EQ(game.players()[0].score, std::stoi(c.shown));
  // The countdown stops where it was.
  game.tick();
  EXPECT_EQ(game.countdown().tens, c.tens);
  EXPECT_EQ(game.countdown().units, c.units);
}

INSTANTIATE_TEST_SUITE_P(Answers, Countdown,
                         ::testing::Values(CountdownCase{0, 6, "2460 Points", 2, 0},  // before the first tick
                                           CountdownCase{1, 6, "2460 Points", 2, 0},
                                           CountdownCase{3, 6, "2340 Points", 1, 9},
                                           CountdownCase{12, 6, "1800 Points", 1, 5},
                                           CountdownCase{2, 3, "1200 Points", 2, 0},
                                           CountdownCase{2, -3, "-1200 Points", 2, 0}));

TEST_F(GameTable, AtTimeOutTheGongSoundsAndAFullyRightTickingStillRaisesTheIconAndReplays) {
  startWith({"Alice", "Bruno"}, 48);
  ASSERT_EQ(throwDie(4), GameRequest::AskQuestion);
  GameRequest last = GameRequest::None;
  for (int i = 0; i < kCountdownTicks; ++i) last = game.tick();
  EXPECT_EQ(last, GameRequest::AnswerForPlayer);
  EXPECT_EQ(sound.count(kGong), 1);
  EXPECT_EQ(sound.count("jeu/timer.wav"), kCountdownTicks);
  EXPECT_EQ(game.countdown().tens, 0);
  EXPECT_EQ(game.countdown().units, 0);
  EXPECT_EQ(game.pointsText(), "0 Points");
  EXPECT_TRUE(game.scoreWaiting());
  game.answerMarked(6);  // the press made for the player
  EXPECT_EQ(game.pointsText(), "0 Points");
  EXPECT_EQ(game.players()[0].icons[5], kCompleteLevel);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(game.tick(), GameRequest::None);  // waits for the player
  EXPECT_EQ(game.phase(), GamePhase::Question);
  EXPECT_TRUE(game.goOn());
  endTurn();
  EXPECT_EQ(game.currentPlayer(), 1);
}

TEST_F(GameTable, AQuestionIsScoredOnceAndAReplayNeverLeavesThePlayers) {
  startWith({"Alice", "Bruno"}, 48);
  ASSERT_EQ(throwDie(4), GameRequest::AskQuestion);
  game.tick();
  game.answerMarked(6);
  game.answerMarked(6);  // a second marking of the same question
  EXPECT_EQ(game.players()[0].score, 2460);
  EXPECT_EQ(game.players()[0].icons[5], kCompleteLevel);
  EXPECT_EQ(game.iconTotal(), kCompleteLevel);
  EXPECT_TRUE(game.goOn());
  EXPECT_FALSE(game.goOn());
  endTurn();
  EXPECT_EQ(game.currentPlayer(), 1);
  ASSERT_EQ(throwDie(5), GameRequest::AskQuestion);  // 52 + 5 = 57, "Mécavol parapente"
  answer(0);
  endTurn();
  EXPECT_EQ(game.currentPlayer(), 2);
}

TEST_F(GameTable, AQuestionThatCannotBePutPassesTheTurnWithoutScore) {
  startWith({"Alice", "Bruno"}, 48);
  ASSERT_EQ(throwDie(4), GameRequest::AskQuestion);
  game.questionUnavailable();
  game.answerMarked(6);
  EXPECT_EQ(game.players()[0].score, 0);
  EXPECT_FALSE(game.scoreWaiting());
  endTurn();
  EXPECT_EQ(game.currentPlayer(), 2);
  EXPECT_TRUE(game.boardVisible());
}

TEST_F(GameTable, NamesAreTakenUntilFourOrAnEmptyEnter) {
  ASSERT_TRUE(game.open());
  EXPECT_FALSE(game.open());
  typeName("   ");  // blanks count as empty: still one player needed
  EXPECT_EQ(game.entryNumber(), 1);
  EXPECT_EQ(game.phase(), GamePhase::NameEntry);
  typeName("  Alice ");
  EXPECT_EQ(game.entryNumber(), 2);
  EXPECT_EQ(game.players()[0].name, "Alice");
  EXPECT_EQ(game.nameText(), "");
  // A paste too wide is refused and leaves the emptied box, not the last name.
  EXPECT_FALSE(game.editName("Un nom bien trop long pour le panneau", kMaxNameWidthTwips));
  EXPECT_EQ(game.nameText(), "");
  EXPECT_TRUE(game.editName("Bruno", kMaxNameWidthTwips - 1));
  random.queueDraw(20, kSquareCount);
  random.queueDraw(3, 6);
  for (const char* name : {"Bruno", "Chloé", "Denis"}) typeName(name);
  EXPECT_EQ(game.phase(), GamePhase::WaitingForDie);  // the fourth name starts play
  EXPECT_EQ(game.players().size(), 4u);
  for (const auto& p : game.players()) EXPECT_EQ(p.square, 20);
  EXPECT_EQ(game.currentPlayer(), 1);
  EXPECT_EQ(game.dieFace(), 3);
}

TEST_F(GameTable, ClosingStopsEverythingAtAnySafeMoment) {
  ASSERT_TRUE(game.open());
  typeName("Alice");
  ASSERT_TRUE(game.close());  // during the names
  EXPECT_FALSE(game.isOpen());
  EXPECT_TRUE(game.players().empty());
  EXPECT_FALSE(game.close());

  startWith({"Alice"}, 1);
  planThrow(4);
  game.clickDie();
  game.tick();
  ASSERT_TRUE(game.close());  // while the die rolls
  EXPECT_FALSE(game.timer().running);
  const auto played = sound.played.size();
  EXPECT_EQ(game.tick(), GameRequest::None);
  EXPECT_EQ(sound.played.size(), played);
  EXPECT_EQ(game.phase(), GamePhase::Closed);
}

TEST_F(GameTable, ClosingIsRefusedWhileAQuestionIsOnScreen) {
  startWith({"Alice"}, 48);
  ASSERT_EQ(throwDie(4), GameRequest::AskQuestion);
  EXPECT_FALSE(game.close());
  answer(6);
  EXPECT_FALSE(game.close());  // the score waits: the question is still on screen
  endTurn();
  EXPECT_TRUE(game.close());
}

// Plays whole games: each player's throw goes for the nearest square of a
// category its icons still lack, and `rightAnswers` says who answers right.
class WholeGame : public GameTable {
 protected:
  int bestThrow() const {
    const Player& p = game.current();
    for (int face = 1; face <= 6; ++face) {
      int square = p.square;
      for (int step = 0; step < face; ++step) square = squareAfter(square);
      const Landing landing = landingOn(square);
      if (landing.kind == SquareKind::Chapter && p.icons[landing.chapter - 1] < kCompleteLevel) return face;
    }
    return 6;
  }
  // Plays turns until someone wins; returns the players in turn order.
  std::vector<int> playUntilWon(const std::function<bool(int player)>& rightAnswers, int* rightCount) {
    std::vector<int> turns;
    for (int turn = 0; turn < 2000 && game.phase() != GamePhase::Won; ++turn) {
      turns.push_back(game.currentPlayer());
      if (throwDie(bestThrow()) == GameRequest::AskQuestion) {
        // Right only where it fills an icon, so that every right answer counts.
        const bool needed = game.current().icons[game.questionChapter() - 1] < kCompleteLevel;
        const bool right = needed && rightAnswers(game.currentPlayer());
        *rightCount += right;
        answer(right ? 6 : 0);
      }
      endTurn();
    }
    return turns;
  }
};

TEST_F(WholeGame, OnePlayerWinsOnceEveryIconIsComplete) {
  startWith({"Alice"}, 1);
  int right = 0;
  const auto turns = playUntilWon([](int) { return true; }, &right);
  ASSERT_EQ(game.phase(), GamePhase::Won);
  EXPECT_EQ(right, 30);  // 4 + 4 + 3 + 2 + 4 + 1 + 4 + 4 + 4
  for (int player : turns) EXPECT_EQ(player, 1);
  EXPECT_EQ(game.iconTotal(), 36);
  EXPECT_EQ(sound.count(kWonSound), 1);
  EXPECT_EQ(game.pointsText(), "Alice a gagné la partie !");
  EXPECT_TRUE(game.pointsVisible());
  EXPECT_FALSE(game.dieEnabled());
  game.clickDie();
  EXPECT_FALSE(game.timer().running);
  EXPECT_TRUE(game.close());
  // A new game starts with no one near the win.
  startWith({"Bruno"}, 1);
  EXPECT_EQ(game.iconTotal(), 0);
  EXPECT_EQ(game.players()[0].score, 0);
}

TEST_F(WholeGame, FourPlayersTakeTurnsUntilTheOnlyOneWhoAnswersRightWins) {
  startWith({"Alice", "Bruno", "Chloé", "Denis"}, 30);
  int right = 0;
  const auto turns = playUntilWon([](int player) { return player == 4; }, &right);
  ASSERT_EQ(game.phase(), GamePhase::Won);
  EXPECT_EQ(game.currentPlayer(), 4);
  EXPECT_EQ(game.pointsText(), "Denis a gagné la partie !");
  EXPECT_EQ(right, 30);
  // Every turn goes to the next player unless the last one earned a replay.
  for (std::size_t i = 1; i < turns.size(); ++i)
    EXPECT_TRUE(turns[i] == turns[i - 1] || turns[i] == turns[i - 1] % 4 + 1) << "turn " << i;
  EXPECT_EQ(turns.front(), 1);
  for (int p = 1; p <= 3; ++p) EXPECT_EQ(game.players()[p - 1].icons, IconLevels{}) << p;
}

}  // namespace
}  // namespace ventelle
