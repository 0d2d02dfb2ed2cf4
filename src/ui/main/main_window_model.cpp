#include "ui/main/main_window_model.h"

#include "ui/exams/exam_switch.h"
#include "ui/exams/options_menu.h"
#include "ui/game/goose_commands.h"
#include "ui/help/links.h"
#include "ui/main/question_button.h"
#include "ui/main/quiz_keys.h"
#include "ui/main/startup.h"
#include "ui/print/print_commands.h"
#include "ui/print/questionnaire_generation.h"
#include "ui/profile/default_user_notice.h"
#include "ui/profile/profile_commands.h"
#include "ui/profile/user_menu.h"
#include "ui/quiz/error_panel.h"
#include "ui/quiz/full_questionnaire.h"
#include "ui/quiz/question_flow.h"
#include "ui/quiz/wing_hover.h"
#include "ui/skin/skin.h"
#include "ui/window/messages.h"
#include "progress/journal_file.h"
#include "ui/quiz/answer_journal.h"
#include "users/user_files.h"

namespace ventelle {

MainWindowModel::MainWindowModel(Dialogs& dialogs, Desktop& desktop, RandomSource& random, ChapterLibrary& library,
                                 PrintService& printer, Sound& sound, Clock& clock)
    : dialogs_(dialogs),
      ctx_(dialogs_, desktop, random, library, printer, sound, clock),
      help_(library.folder(), random, desktop, dialogs_) {
  ctx_.controls.menus = initialMenuBar();
  applySkin(ctx_, Skin{});
}

void MainWindowModel::start(const std::optional<std::filesystem::path>& installerFolder) {
  startUp(ctx_, installerFolder);
}

void MainWindowModel::loadUser(const std::string& userName) {
  // The user window may be open under a game: the game keeps its quiz.
  if (ctx_.gameOpen) return;
  loadProfileOf(ctx_, userName);
}

bool MainWindowModel::initialiseUser(const std::string& userName) { return ventelle::initialiseUser(ctx_, userName); }

std::vector<std::string> MainWindowModel::profileFileNames() const {
  return listProfileFiles(ctx_.library.folder());
}

bool MainWindowModel::deleteProfile(const std::string& userName) {
  return deleteProfileFile(ctx_.library.folder(), userName) && removeJournalFile(journalFileOf(ctx_, userName));
}

void MainWindowModel::addUserMenuItem(const std::string& userName) { addUserItem(ctx_.controls.menus, userName); }

void MainWindowModel::removeUserMenuItems(const std::string& userName) {
  removeUserItems(ctx_.controls.menus, userName);
}

bool MainWindowModel::gameNameEdited(const std::string& text, int widthTwips) {
  return editGameName(ctx_, text, widthTwips);
}

void MainWindowModel::gameNameEntered() { enterGameName(ctx_); }

void MainWindowModel::gameDieClick() { clickGameDie(ctx_); }

void MainWindowModel::gameTick() {
  if (!dialogs_.anyOpen()) tickGame(ctx_);
}

PageLayout MainWindowModel::pageLayout() const { return determinePageLayout(ctx_); }

void MainWindowModel::questionClick() { pressQuestionButton(ctx_); }

void MainWindowModel::checkClick(int i) { ventelle::checkClick(ctx_, i); }

bool MainWindowModel::quizKey(std::string_view key) { return pressQuizKey(ctx_, key); }

AccessibleTexts MainWindowModel::accessibleTexts() const { return mainWindowAccessibleTexts(ctx_.controls, ctx_.game); }

void MainWindowModel::boutonClick(int i) {
  if (i >= 1 && i <= static_cast<int>(ctx_.controls.bouton.size()) && !ctx_.game.boardVisible())
    ventelle::boutonClick(ctx_, i);
}

void MainWindowModel::wingClick() {
  if (ctx_.controls.wingMark != 0) ventelle::wingClick(ctx_);
}

void MainWindowModel::chapterBoxClick(int i) { ventelle::chapterBoxClick(ctx_, i); }

void MainWindowModel::commentClipClick() {
  if (ctx_.controls.trombone)
    ctx_.dialogs.message(MessageIcon::Information, messages::kCommentTitle, ctx_.quiz.question.comment);
}

void MainWindowModel::lexiconClipClick() {
  if (ctx_.controls.tromboneL) help_.openLexicon(ctx_.quiz.lexiconWord);
}

bool MainWindowModel::mouseOverWindow() { return ventelle::mouseOverWindow(ctx_); }

bool MainWindowModel::mouseOverWing() { return ventelle::mouseOverWing(ctx_); }

void MainWindowModel::chapterBoxFocus(int i) { selectChapter(ctx_, i); }

void MainWindowModel::chapterBoxHelp(int i) { toggleErrorPanel(ctx_, i); }

bool MainWindowModel::mouseOverErrorPanel() { return hideErrorPanel(ctx_); }

void MainWindowModel::historyClick(int row) { showHistoryEntry(ctx_, row); }

void MainWindowModel::historyDoubleClick(int row) { replaceHistoryEntry(ctx_, row); }

bool MainWindowModel::examCommand(const std::string& name) {
  for (int i = 1; i <= kExamCount; ++i) {
    if (examInfo(i).menuItem == name) {
      chooseExam(ctx_, i);
      return true;
    }
  }
  return false;
}

bool MainWindowModel::menuCommand(const std::string& name) {
  const auto& menus = ctx_.controls.menus;
  if (menus.contains(name) && !menus.reachable(name)) return true;
  if (name == "mnuReinitialiser") {
    resetPoints(ctx_);
  } else if (name == "mnuEvaluation") {
    toggleEvaluationMode(ctx_);
  } else if (name == "mnuConfirme") {
    toggleConfirmedTest(ctx_);
  } else if (name == "mnuQBi") {
    toggleInstructorTest(ctx_);
  } else if (name == "mnuConforme") {
    toggleConformMarking(ctx_);
  } else if (name == "mnuInclure") {
    toggleLowerLevels(ctx_);
  } else if (name == "mnuCompletRE1" || name == "mnuCompletRE2") {
    toggleStopEntry(ctx_, name.back() - '0');
  } else if (name == "mnuTChap" || name == "mnuTQuest") {
    chooseDrawMode(ctx_, name == "mnuTChap");
  } else if (name.rfind("mnurepose", 0) == 0) {
    chooseReaskPeriod(ctx_, std::stoi(name.substr(9)));
  } else if (name == "mnuEnregistrer") {
    if (saveProfile(ctx_) && tellDefaultUserOfReset(ctx_)) userWindowWanted_ = true;
  } else if (name == "mnuReprendre") {
    loadProfile(ctx_);
  } else if (name == "mnuProgres") {
    progressWindowWanted_ = true;
  } else if (name == "mnjoueoie") {
    openGame(ctx_);
  } else if (name == "mnufermoie") {
    closeGame(ctx_);
  } else if (name == "mnuGenerer") {
    generateQuestionnaire(ctx_);
  } else if (name == "mnuImprimeQuestionnaire") {
    printQuestionnaires(ctx_);
  } else if (name == "mnuImprimerReponse") {
    printAnswerSheets(ctx_);
  } else if (name == "mnuImprimeCorrige") {
    printCorrectionGrid(ctx_);
  } else if (name == "mnuImprimerErreurs") {
    printErrorReport(ctx_);
  } else if (const auto skinName = skinOfItem(ctx_.controls.menus, name)) {
    showSkin(ctx_, *skinName, SkinRequest::Menu);
  } else if (const auto user = userOfItem(ctx_.controls.menus, name)) {
    loadUser(*user);
  } else if (isLinkItem(name)) {
    openLinkItem(ctx_, name);
  } else if (help_.menuCommand(name)) {
    // the shell shows the help window opened
  } else if (const auto file = textFileOf(name)) {
    openTextFile(ctx_, *file);
  } else {
    return examCommand(name);
  }
  return true;
}

}  // namespace ventelle
