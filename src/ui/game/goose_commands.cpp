#include "ui/game/goose_commands.h"

#include "ui/exams/exam_switch.h"
#include "ui/profile/profile_commands.h"
#include "ui/quiz/question_flow.h"
#include "ui/quiz/user_mistakes.h"
#include "users/profile_store.h"

namespace ventelle {
namespace {

constexpr int kGameExam = 2;

// Commands that would change the quiz under a game: the exam and option
// menus, users, saving and loading, the user's progress, generation and
// printing.
constexpr const char* kLockedDuringGame[] = {"mnuOptions",   "mnuGestionU", "mnuEnregistrer",
                                             "mnuReprendre", "mnuProgres",  "mnuImprimer"};

std::vector<std::string> lockedItems(const MenuBar& menus) {
  std::vector<std::string> names(std::begin(kLockedDuringGame), std::end(kLockedDuringGame));
  for (const auto& entry : menus.order())
    if (entry.name.rfind("mnuUtilisateur", 0) == 0) names.push_back(entry.name);
  return names;
}

void lockCommands(WindowContext& ctx) {
  auto& menus = ctx.controls.menus;
  ctx.enabledBeforeGame.clear();
  for (const auto& name : lockedItems(menus)) {
    ctx.enabledBeforeGame[name] = menus.at(name).enabled;
    menus.at(name).enabled = false;
  }
}

void unlockCommands(WindowContext& ctx) {
  auto& menus = ctx.controls.menus;
  for (const auto& [name, enabled] : ctx.enabledBeforeGame)
    if (menus.contains(name)) menus.at(name).enabled = enabled;
  ctx.enabledBeforeGame.clear();
}

void showPlayerInTitle(WindowContext& ctx) {
  if (ctx.game.isPlaying()) ctx.controls.title = gameTitle(ctx.game.current().name);
}

// Question_Jeu: the default user's profile rewritten for the square's
// chapter and loaded, which puts a question of it on screen.
void askGameQuestion(WindowContext& ctx, int chapter) {
  ctx.activeUserName = kDefaultUser;
  // A generated file, rewritten for every question: no need to wait for the disk.
  const ProfileStore profiles(ctx.library.folder(), Durability::Derived);
  if (!profiles.save(kDefaultUser, gameSettingsLine(chapter), ErrorLists{}, {})) {
    tellUnwritable(ctx, kDefaultUser);
    ctx.game.questionUnavailable();
    return;
  }
  if (!loadProfile(ctx) || ctx.quiz.redrawRequested || ctx.controls.question.tag != tags::kEvaluation) ctx.game.questionUnavailable();
}

}  // namespace

std::string gameSettingsLine(int chapter) {
  std::string line = "V 6.1,parapente," + std::to_string(kGameExam);
  for (int k = 1; k <= kCategoryCount; ++k) line += k == chapter ? ",1" : ",0";
  return line + ",#FALSE#,0,0,0,0,#TRUE#,#TRUE#,\"\",\"\",\"\",\"\",0";
}

std::string gameTitle(const std::string& playerName) {
  return examInfo(kGameExam).title + kTitleUserSeparator + playerName + "-";
}

void openGame(WindowContext& ctx) {
  if (!ctx.game.open()) return;
  ctx.gameOpen = true;
  ctx.controls.windowWidth = kGameWindowWidth;
  ctx.controls.statisticsVisible = false;
  ctx.controls.erreursVisible = false;
  lockCommands(ctx);
}

void closeGame(WindowContext& ctx) {
  if (!ctx.game.close()) return;
  ctx.gameOpen = false;
  ctx.controls.windowWidth = kNormalWindowWidth;
  ctx.controls.statisticsVisible = true;
  unlockCommands(ctx);
  ctx.activeUserName = kDefaultUser;
  initialiseUser(ctx, kDefaultUser);
  loadProfile(ctx);
}

bool editGameName(WindowContext& ctx, const std::string& text, int widthTwips) {
  return ctx.game.editName(text, widthTwips);
}

void enterGameName(WindowContext& ctx) {
  ctx.game.enterName();
  showPlayerInTitle(ctx);
}

void clickGameDie(WindowContext& ctx) { ctx.game.clickDie(); }

void tickGame(WindowContext& ctx) {
  switch (ctx.game.tick()) {
    case GameRequest::AskQuestion: askGameQuestion(ctx, ctx.game.questionChapter()); break;
    case GameRequest::AnswerForPlayer: questionClick(ctx); break;
    case GameRequest::None: break;
  }
  showPlayerInTitle(ctx);
}

}  // namespace ventelle
