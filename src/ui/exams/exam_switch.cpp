#include "ui/exams/exam_switch.h"

#include "bank/module_files.h"
#include "ui/exams/options_menu.h"
#include "ui/quiz/history.h"
#include "ui/window/messages.h"

namespace ventelle {
namespace {

const std::string kQBiCaption = "&Test pour la QBi (20 questions)";
const std::string kConfirmedCaption = "&Brevet Confirmé (30 questions)";
const std::string kInstructorCaption = "Qualification &Instructeur";

MenuItem& menu(WindowContext& ctx, const std::string& name) { return ctx.controls.menus.at(name); }

void setOption(MenuItem& item, bool& flag, bool on) {
  item.checked = on;
  flag = on;
}

// The QBi item of the federation's exams, which keeps its state while its caption is unchanged.
void showQBiItem(WindowContext& ctx) {
  MenuItem& qbi = menu(ctx, "mnuQBi");
  if (qbi.caption != kQBiCaption) {
    qbi.caption = kQBiCaption;
    setOption(qbi, ctx.quiz.options.instructorTest, false);
  }
  qbi.visible = true;
}

// The two test-size options, by exam.
void showTestSizeOptions(WindowContext& ctx, int examIndex) {
  MenuItem& qbi = menu(ctx, "mnuQBi");
  MenuItem& confirmed = menu(ctx, "mnuConfirme");
  auto& options = ctx.quiz.options;
  switch (examIndex) {
    case 1:
    case 2:
      showQBiItem(ctx);
      confirmed.caption = kConfirmedCaption;
      confirmed.visible = true;
      break;
    case 6:
    case 9:
      qbi.caption = "&20 questions";
      setOption(qbi, options.instructorTest, false);
      qbi.visible = true;
      confirmed.caption = "&30 questions";
      setOption(confirmed, options.confirmedTest, false);
      confirmed.visible = true;
      break;
    case 7:
    case 10:
      setOption(qbi, options.instructorTest, false);
      qbi.visible = false;
      setOption(confirmed, options.confirmedTest, false);
      confirmed.visible = false;
      break;
    case 8:
    case 11:
      showQBiItem(ctx);
      confirmed.caption = kConfirmedCaption;
      setOption(confirmed, options.confirmedTest, true);
      confirmed.visible = true;
      break;
    default:  // the authority's exams, whose size no option changes
      setOption(qbi, options.instructorTest, false);
      qbi.caption = kInstructorCaption;
      qbi.visible = true;
      setOption(confirmed, options.confirmedTest, false);
      confirmed.visible = false;
      break;
  }
}

void markExamItem(WindowContext& ctx, int examIndex) {
  menu(ctx, examInfo(examIndex).menuItem).checked = true;
  if (!is2004Exam(examIndex)) return;
  menu(ctx, "mnu2004").caption = ">>> 200&4 (FFVL)";
  if (isParagliderBrevet(examIndex)) {
    menu(ctx, "mnuBParapente").caption = ">>> &Parapente";
  } else {
    menu(ctx, "mnuBDelta").caption = ">>> &Delta";
  }
}

// During a goose game the 2000 exam keeps the game's caption.
void showTitle(WindowContext& ctx, int examIndex) {
  if (examIndex == 2 && ctx.gameOpen && ctx.activeUserName == kDefaultUser) return;
  ctx.controls.title = windowTitle(examIndex, ctx.activeUserName);
}

void showChapterBoxes(WindowContext& ctx, const ExamInfo& exam) {
  const int n = static_cast<int>(exam.chapters.size());
  for (int k = 1; k <= kChapterBoxes; ++k) {
    auto& box = ctx.controls.partie[k];
    box.visible = k <= n;
    box.caption = k <= n ? exam.chapters[k - 1] : std::string();
    box.ticked = k <= n && isChapterTickedByDefault(exam.bankPrefix, k);
    box.back = ctx.skin.chapterBack;
    box.text = ctx.skin.chapterText;
    ctx.controls.feu[k].visible = box.ticked;
  }
}

void add(ModuleProblems& all, const ModuleProblems& more) {
  all.unreadableModules.insert(all.unreadableModules.end(), more.unreadableModules.begin(), more.unreadableModules.end());
  all.unwritableChapters.insert(all.unwritableChapters.end(), more.unwritableChapters.begin(),
                                more.unwritableChapters.end());
}

// One message for everything that went wrong while building the chapters.
void reportProblems(WindowContext& ctx, const ModuleProblems& ownModules, const ModuleProblems& lowerModules) {
  std::vector<std::string> paragraphs;
  if (!ownModules.unreadableModules.empty())
    paragraphs.push_back(messages::unreadableModules(ownModules.unreadableModules));
  if (!lowerModules.unreadableModules.empty())
    paragraphs.push_back(messages::unreadableLowerModules(lowerModules.unreadableModules));
  ModuleProblems written = ownModules;
  add(written, lowerModules);
  if (!written.unwritableChapters.empty()) paragraphs.push_back(messages::unwritableChapters(written.unwritableChapters));
  if (paragraphs.empty()) return;
  std::string text = paragraphs.front();
  for (std::size_t i = 1; i < paragraphs.size(); ++i) text += "\n\n" + paragraphs[i];
  const bool unreadable = !ownModules.unreadableModules.empty() || !lowerModules.unreadableModules.empty();
  ctx.dialogs.message(MessageIcon::Exclamation,
                      unreadable ? messages::kMissingFileTitle : messages::kWriteFailedTitle, text);
}

// Exam 11 with the lower levels takes the layout and chapters of exam 10.
void rebuildConfirmedHangGliderAsPilot(WindowContext& ctx, ModuleProblems& problems) {
  add(problems, copyModules(ctx.library, modulesOf(10)));
  showChapterBoxes(ctx, examInfo(10));
}

// Starts the test over in the mode on show: a full questionnaire is laid
// out again, at the size of the exam now current.
void startOverInSameMode(WindowContext& ctx) {
  if (ctx.trainingMode()) {
    resetPoints(ctx);
    return;
  }
  // The mode's command leaves the mode the tick shows: ticked, it lays the
  // buttons out afresh.
  menu(ctx, "mnuEvaluation").checked = true;
  toggleEvaluationMode(ctx);
}

}  // namespace

std::string windowTitle(int examIndex, const std::string& activeUserName) {
  const std::string suffix = kTitleUserSeparator + (activeUserName == kDefaultUser ? kDefaultUserDisplay : activeUserName) + "-";
  return examInfo(examIndex).title + suffix;
}

void checkFalseVersion(WindowContext& ctx) {
  menu(ctx, "mnuInclure").checked = false;
  for (int i = 1; i <= kExamCount; ++i) menu(ctx, examInfo(i).menuItem).checked = false;
  menu(ctx, "mnu2004").caption = "200&4 (FFVL)";
  menu(ctx, "mnuBParapente").caption = "&Parapente";
  menu(ctx, "mnuBDelta").caption = "&Delta";
}

void chooseExam(WindowContext& ctx, int examIndex) {
  if (examIndex != ctx.examIndex) switchExam(ctx, examIndex);
}

void switchExam(WindowContext& ctx, int examIndex) {
  const ExamInfo& exam = examInfo(examIndex);
  ctx.controls.erreursVisible = false;
  ctx.examIndex = examIndex;
  checkFalseVersion(ctx);
  menu(ctx, "mnuInclure").visible = canIncludeLowerLevels(examIndex);
  markExamItem(ctx, examIndex);
  showTitle(ctx, examIndex);
  showTestSizeOptions(ctx, examIndex);
  ctx.bankPrefix = exam.bankPrefix;
  if (is2004Exam(examIndex)) reportProblems(ctx, copyModules(ctx.library, modulesOf(examIndex)), {});
  showChapterBoxes(ctx, exam);
  refreshChapterLights(ctx);
  menu(ctx, "mnuConforme").visible = !isDgacBank(exam.bankPrefix);
  startOverInSameMode(ctx);
}

void toggleLowerLevels(WindowContext& ctx) {
  if (!canIncludeLowerLevels(ctx.examIndex)) return;
  MenuItem& item = menu(ctx, "mnuInclure");
  if (item.checked) {
    // The switch rebuilds the brevet's own chapters and starts the test over.
    switchExam(ctx, ctx.examIndex);
    return;
  }
  item.checked = true;
  ModuleProblems own;
  if (ctx.examIndex == 11) rebuildConfirmedHangGliderAsPilot(ctx, own);
  ModuleProblems lower;
  for (const ModuleJoin& join : lowerLevelJoins(ctx.examIndex)) add(lower, joinModules(ctx.library, join));
  refreshChapterLights(ctx);  // each light now counts the lower levels' mistakes too
  reportProblems(ctx, own, lower);
  startOverInSameMode(ctx);
}

PageLayout determinePageLayout(const WindowContext& ctx) {
  const auto& menus = ctx.controls.menus;
  PageLayoutInputs inputs;
  inputs.examIndex = ctx.examIndex;
  inputs.bankPrefix = ctx.bankPrefix;
  inputs.instructorTest = ctx.quiz.options.instructorTest;
  inputs.confirmedTest = ctx.quiz.options.confirmedTest;
  inputs.includesLowerLevels = ctx.includesLowerLevels();
  inputs.paragliderBrevetChecked =
      menus.at("mnuPInitial").checked || menus.at("mnuPPilote").checked || menus.at("mnuPConfirme").checked;
  return determinePageLayout(inputs);
}

}  // namespace ventelle
