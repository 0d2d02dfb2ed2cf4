// The goose game as the main window plays it: the board over the quiz, the
// questions of its squares through the default user's profile, and the quiz
// given back on closing.
#include <gtest/gtest.h>

#include "core/file_io.h"
#include "fakes/recording_sound.h"
#include "ui/game/goose_commands.h"
#include "ui/model_harness.h"
#include "ui/window/messages.h"

namespace ventelle {
namespace {

const std::string kTimeOutSound = "jeu/gong.wav";

class GooseWindow : public ::testing::Test {
 protected:
  // A "QCM 2000" bank of five questions a chapter, each with "Six" (6) and
  // "Zéro" (0); the program starts on that exam.
  void SetUp() override {
    for (int k = 1; k <= kCategoryCount; ++k)
      folder.write("2000/nChapitre" + std::to_string(k) + ".dat", chapterFileText(numberedChapter(5)));
    TextLines profile = defaultProfileLines();
    profile.front() = "V 6.1,Classique,2,1,1,1,1,1,0,1,1,1,#FALSE#,0,1,0,0,#TRUE#,#TRUE#,,,,,0";
    folder.writeBytes("parapente.cfg", profileBytes(profile));
    model.start();
  }

  // "&Jouer", the names, and all pawns on `start`.
  void play(const std::vector<std::string>& names, int start) {
    model.menuCommand("mnjoueoie");
    random.queueDraw(start, kSquareCount);
    random.queueDraw(1, 6);
    for (const auto& name : names) {
      model.gameNameEdited(name, 300);
      model.gameNameEntered();
    }
    model.gameNameEntered();
    ASSERT_EQ(game().phase(), GamePhase::WaitingForDie);
  }
  // A throw whose faces differ in turn, then the ticks up to the square's rule;
  // byKey: thrown with Enter, which a second Enter does not throw again.
  void throwDie(int face, bool byKey = false) {
    int previous = game().dieFace();
    for (int i = 0; i < 4; ++i) {
      int x = 1;
      while (x == previous || (i == 3 && x == face)) ++x;
      random.queueDraw(x, 6);
      previous = x;
    }
    random.queueDraw(face, 6);
    if (byKey) {
      EXPECT_TRUE(model.quizKey("Return"));
      EXPECT_EQ(game().phase(), GamePhase::Rolling);
      EXPECT_FALSE(model.quizKey("Enter"));
    } else {
      model.gameDieClick();
    }
    for (int i = 0; i < game_timing::kDieTicks + face + 1; ++i) model.gameTick();
  }
  void tickBox(const std::string& caption) {
    for (int i = 1; i <= kMaxAnswers; ++i)
      if (controls().check[i].visible && controls().check[i].caption == caption) return model.checkClick(i);
    ADD_FAILURE() << "no answer reads " << caption;
  }
  std::string firstProfileLine() const {
    const auto bytes = readFileBytes(folder.path() / "parapente.ini");
    return bytes ? bytes->substr(0, bytes->find("\r\n")) : std::string();
  }
  const GooseGame& game() const { return model.game(); }
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

TEST_F(GooseWindow, TheBoardTakesTheWindowOverAndLocksTheCommandsThatWouldChangeTheQuiz) {
  std::map<std::string, bool> before;
  for (const auto& entry : controls().menus.order()) before[entry.name] = controls().menus.at(entry.name).enabled;
  model.menuCommand("mnjoueoie");
  EXPECT_TRUE(game().isOpen());
  EXPECT_EQ(controls().windowWidth, 8475);
  EXPECT_FALSE(controls().statisticsVisible);
  for (const char* name : {"mnuOptions", "mnuGestionU", "mnuEnregistrer", "mnuReprendre", "mnuImprimer",
                           "mnuUtilisateur0"})
    EXPECT_FALSE(controls().menus.reachable(name)) << name;
  for (const char* name : {"mnufermoie", "mnuAffichage", "mnuAide", "mnuQuitter"})
    EXPECT_TRUE(controls().menus.reachable(name)) << name;

  model.menuCommand("mnufermoie");
  EXPECT_FALSE(game().isOpen());
  EXPECT_EQ(controls().windowWidth, 9180);
  EXPECT_TRUE(controls().statisticsVisible);
  for (const auto& [name, enabled] : before) EXPECT_EQ(controls().menus.at(name).enabled, enabled) << name;
}

TEST_F(GooseWindow, AChapterSquareWritesTheDefaultProfileForItsChapterAndPutsOneOfItsQuestions) {
  play({"Alice", "Bruno"}, 11);
  EXPECT_EQ(controls().title, "Ventelle - QCM 2000 - FFVL               -Alice-");
  throwDie(4);  // square 15, "Mécavol parapente"
  ASSERT_EQ(game().phase(), GamePhase::Question);
  EXPECT_EQ(firstProfileLine(),
            "V 6.1,parapente,2,0,0,1,0,0,0,0,0,0,#FALSE#,0,0,0,0,#TRUE#,#TRUE#,\"\",\"\",\"\",\"\",0");
  TextLines expected = defaultProfileLines();
  expected.front() = gameSettingsLine(3);
  EXPECT_EQ(readFileBytes(folder.path() / "parapente.ini"), profileBytes(expected));
  EXPECT_EQ(model.examIndex(), 2);
  for (int k = 1; k <= kCategoryCount; ++k) EXPECT_EQ(controls().partie[k].ticked, k == 3) << k;
  EXPECT_EQ(model.quiz().question.chapter, 3);
  EXPECT_EQ(controls().question.tag, tags::kEvaluation);
  EXPECT_EQ(model.activeUserName(), kDefaultUser);
  // The reload keeps the player's name in the title.
  EXPECT_EQ(controls().title, "Ventelle - QCM 2000 - FFVL               -Alice-");
}

TEST_F(GooseWindow, ARightAnswerScoresOnceAndTheNextPressOnlyGoesOn) {
  play({"Alice", "Bruno"}, 11);
  throwDie(4);
  model.gameTick();
  tickBox("Six");
  model.questionClick();
  EXPECT_EQ(game().pointsText(), "2460 Points");
  EXPECT_EQ(game().players()[0].score, 2460);
  EXPECT_EQ(game().players()[0].icons[2], 1);
  EXPECT_EQ(controls().nombreQuestionsPosees, "1");
  const std::string question = controls().labelQuestion;
  model.questionClick();  // goes on: no new question, no second score
  EXPECT_EQ(controls().labelQuestion, question);
  EXPECT_EQ(controls().nombreQuestionsPosees, "1");
  EXPECT_EQ(game().players()[0].score, 2460);
  model.gameTick();
  EXPECT_TRUE(game().boardVisible());
  EXPECT_EQ(game().currentPlayer(), 1);  // a fully right answer plays again
  EXPECT_EQ(controls().title, "Ventelle - QCM 2000 - FFVL               -Alice-");
}

TEST_F(GooseWindow, AWrongAnswerHandsTheTurnAndTheTitleToTheNextPlayer) {
  play({"Alice", "Bruno"}, 11);
  throwDie(4);
  tickBox("Zéro");
  model.questionClick();
  model.questionClick();
  model.gameTick();
  EXPECT_EQ(game().currentPlayer(), 2);
  EXPECT_EQ(controls().title, "Ventelle - QCM 2000 - FFVL               -Bruno-");
}

TEST_F(GooseWindow, APressThatReachesTheQuizUnderTheBoardDoesNothing) {
  play({"Alice"}, 11);
  const WindowControls shown = controls();
  model.checkClick(1);
  model.questionClick();
  model.wingClick();
  EXPECT_EQ(controls().nombreQuestionsPosees, shown.nombreQuestionsPosees);
  EXPECT_EQ(controls().check[1].ticked, shown.check[1].ticked);
  EXPECT_EQ(controls().labelQuestion, shown.labelQuestion);
  EXPECT_EQ(controls().question.tag, shown.question.tag);
}

// Enter throws the die while the board is up; the digits reach no box under
// it, and on a game question the keys answer it as clicks would.
TEST_F(GooseWindow, OnTheBoardEnterThrowsTheDieAndOnAQuestionTheKeysAnswerIt) {
  play({"Alice", "Bruno"}, 11);
  EXPECT_FALSE(model.quizKey("1"));
  EXPECT_FALSE(controls().check[1].ticked);
  throwDie(4, true);
  ASSERT_EQ(game().phase(), GamePhase::Question);
  model.gameTick();
  for (int i = 1; i <= kMaxAnswers; ++i)
    if (controls().check[i].caption == "Six") model.quizKey(std::to_string(i));
  model.quizKey("Return");
  EXPECT_EQ(game().players()[0].score, 2460);
}

TEST_F(GooseWindow, AtTimeOutTheAnswerIsMarkedAsTickedForNoPointsButTheIconStillRises) {
  play({"Alice", "Bruno"}, 11);
  throwDie(4);
  tickBox("Six");
  for (int i = 0; i < kCountdownTicks; ++i) model.gameTick();
  EXPECT_EQ(sound.count(kTimeOutSound), 1);
  EXPECT_EQ(controls().question.tag, tags::kQuestion);  // marked for the player
  EXPECT_EQ(controls().cetteQuestion, "6");
  EXPECT_EQ(game().pointsText(), "0 Points");
  EXPECT_EQ(game().players()[0].score, 0);
  EXPECT_EQ(game().players()[0].icons[2], 1);
  model.questionClick();
  model.gameTick();
  EXPECT_EQ(game().currentPlayer(), 1);
}

TEST_F(GooseWindow, AMissingChapterFileGivesTheUsualMessageNoScoreAndPassesTheTurn) {
  std::filesystem::remove(folder.path() / "2000/nChapitre3.dat");
  play({"Alice", "Bruno"}, 11);
  // A tick that comes while the message is on screen waits.
  dialogs.whileShown = [this] { model.gameTick(); };
  throwDie(4);
  dialogs.whileShown = nullptr;
  EXPECT_EQ(dialogs.count(messages::missingChapter("2000\\nChapitre3.dat")), 1);
  EXPECT_EQ(sound.count("jeu/timer.wav"), 0);
  model.gameTick();
  EXPECT_EQ(game().currentPlayer(), 2);
  EXPECT_TRUE(game().boardVisible());
  EXPECT_EQ(game().players()[0].score, 0);
}

TEST_F(GooseWindow, ClosingWaitsForTheQuestionThenGivesTheDefaultUserTheQuizBack) {
  play({"Alice"}, 11);
  throwDie(4);
  model.menuCommand("mnufermoie");
  EXPECT_TRUE(game().isOpen());  // a question is on screen
  tickBox("Zéro");
  model.questionClick();
  model.questionClick();
  model.gameTick();
  model.menuCommand("mnufermoie");
  EXPECT_FALSE(game().isOpen());
  EXPECT_EQ(model.activeUserName(), kDefaultUser);
  EXPECT_EQ(readFileBytes(folder.path() / "parapente.ini"), readFileBytes(folder.path() / "parapente.cfg"));
  EXPECT_EQ(controls().title, "Ventelle - QCM 2000 - FFVL               -Utilisateur par défaut-");
  EXPECT_EQ(controls().windowWidth, 9180);
  EXPECT_TRUE(controls().statisticsVisible);
  EXPECT_EQ(controls().question.tag, tags::kEvaluation);  // a question of the quiz again
}

TEST_F(GooseWindow, OpeningAndClosingThreeTimesLeavesNoTimerRunning) {
  for (int round = 0; round < 3; ++round) {
    play({"Alice"}, 1);
    random.queueDraw(2, 6);
    model.gameDieClick();
    model.gameTick();
    model.menuCommand("mnufermoie");
    EXPECT_FALSE(game().isOpen()) << round;
    EXPECT_FALSE(game().timer().running) << round;
    const auto played = sound.played.size();
    model.gameTick();
    EXPECT_EQ(sound.played.size(), played) << round;
    while (random.pending() > 0) random.draw(6);
  }
}

}  // namespace
}  // namespace ventelle
