#include "game/goose_game.h"

#include "core/record_reader.h"

namespace ventelle {

bool GooseGame::open() {
  if (isOpen()) return false;
  reset();
  phase_ = GamePhase::NameEntry;
  return true;
}

bool GooseGame::editName(const std::string& text, int widthTwips) {
  if (phase_ != GamePhase::NameEntry) return false;
  if (widthTwips >= kMaxNameWidthTwips) return false;
  nameText_ = text;
  return true;
}

void GooseGame::enterName() {
  if (phase_ != GamePhase::NameEntry) return;
  const std::string name = trimSpaces(nameText_);
  if (name.empty()) {
    if (!players_.empty()) startPlay();
    return;
  }
  players_.push_back({name});
  // The box empties: a refused paste must not bring this name back.
  nameText_.clear();
  ++entryNumber_;
  if (static_cast<int>(players_.size()) == kMaxPlayers) startPlay();
}

void GooseGame::startPlay() {
  const int start = drawStartSquare(random_);
  for (auto& p : players_) p.square = start;
  current_ = 1;
  dieFace_ = rollDie(random_, dieFace_);
  phase_ = GamePhase::WaitingForDie;
}

void GooseGame::playSound(std::string_view name) {
  sound_.play(std::string(kGameFolder) + "/" + std::string(name));
}

void GooseGame::clickDie() {
  if (!dieEnabled()) return;
  phase_ = GamePhase::Rolling;
  timer_ = {game_timing::kDieMs, true};
  playSound(game_sounds::kDie);
  dieFace_ = rollDie(random_, dieFace_);
  ticks_ = game_timing::kDieTicks;
}

GameRequest GooseGame::tick() {
  if (!timer_.running || scoreWaiting_) return GameRequest::None;
  if (ticks_ == 0) {
    changeTurn();
    return GameRequest::None;
  }
  --ticks_;
  switch (phase_) {
    case GamePhase::Rolling: rollTick(); break;
    case GamePhase::Moving: stepTick(); break;
    case GamePhase::Landing: return landingTick();
    case GamePhase::Question: return countdownTick();
    default: break;
  }
  return GameRequest::None;
}

void GooseGame::rollTick() {
  dieFace_ = rollDie(random_, dieFace_);
  if (ticks_ % 2 == 0) playSound(game_sounds::kDie);
  if (ticks_ == 0) {
    phase_ = GamePhase::Moving;
    timer_.intervalMs = game_timing::kStepMs;
    ticks_ = dieFace_;
  }
}

void GooseGame::stepTick() {
  player().square = squareAfter(player().square);
  playSound(game_sounds::kStep);
  if (ticks_ == 0) {
    phase_ = GamePhase::Landing;
    ticks_ = 1;
  }
}

GameRequest GooseGame::landingTick() {
  const Landing landing = landingOn(player().square);
  if (landing.kind != SquareKind::Chapter) {
    playSound(landing.sound);
    player().score += landing.points;
    playsAgain_ = landing.playsAgain;
    return GameRequest::None;
  }
  countdown_ = countdownDigits(kCountdownTicks - 1);
  phase_ = GamePhase::Question;
  timer_.intervalMs = game_timing::kCountdownMs;
  ticks_ = kCountdownTicks;
  questionChapter_ = landing.chapter;
  answered_ = false;
  return GameRequest::AskQuestion;
}

GameRequest GooseGame::countdownTick() {
  playSound(game_sounds::kTick);
  countdown_ = countdownDigits(ticks_);
  if (ticks_ > 0) return GameRequest::None;
  playSound(game_sounds::kTimeOut);
  scoreWaiting_ = true;
  pointsText_ = "0 Points";
  pointsVisible_ = true;
  return GameRequest::AnswerForPlayer;
}

void GooseGame::answerMarked(int mark) {
  if (phase_ != GamePhase::Question || answered_) return;
  answered_ = true;
  scoreWaiting_ = true;
  const int points = answerPoints(mark, ticks_);
  pointsText_ = std::to_string(points) + " Points";
  pointsVisible_ = true;
  player().score += points;
  const IconOutcome icons = iconsAfterAnswer(player().icons, questionChapter_, mark);
  if (icons.playsAgain) {
    player().icons = icons.levels;
    iconTotal_ = icons.total;
    playsAgain_ = true;
  }
  ticks_ = 0;
}

void GooseGame::questionUnavailable() {
  if (phase_ != GamePhase::Question || answered_) return;
  answered_ = true;
  ticks_ = 0;
}

bool GooseGame::goOn() {
  if (!scoreWaiting_) return false;
  scoreWaiting_ = false;
  return true;
}

void GooseGame::changeTurn() {
  current_ = nextPlayer(current_, static_cast<int>(players_.size()), playsAgain_);
  playsAgain_ = false;
  timer_.running = false;
  pointsVisible_ = false;
  phase_ = GamePhase::WaitingForDie;
  if (isWinningTotal(iconTotal_)) {
    playSound(game_sounds::kWon);
    phase_ = GamePhase::Won;
    // Seen also where no sound plays.
    pointsText_ = current().name + " a gagné la partie !";
    pointsVisible_ = true;
  }
}

bool GooseGame::close() {
  if (!isOpen() || !boardVisible()) return false;
  reset();
  return true;
}

void GooseGame::reset() {
  phase_ = GamePhase::Closed;
  entryNumber_ = 1;
  nameText_.clear();
  players_.clear();
  current_ = 0;
  playsAgain_ = false;
  dieFace_ = 0;
  ticks_ = 0;
  countdown_ = {2, 0};
  questionChapter_ = 0;
  answered_ = false;
  scoreWaiting_ = false;
  iconTotal_ = 0;
  pointsText_.clear();
  pointsVisible_ = false;
  timer_ = {};
}

}  // namespace ventelle
