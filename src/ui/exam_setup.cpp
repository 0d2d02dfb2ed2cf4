#include "ui/exam_setup.h"

#include "bank/module_files.h"
#include "ui/history.h"
#include "ui/messages.h"
#include "ui/options_menu.h"

namespace ventelle {
namespace {

constexpr const char* kDefaultUser = "parapente";
const std::string kUserSuffixGap(15, ' ');

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

void applySkinColours(WindowContext& ctx) {
  auto& c = ctx.controls;
  const auto& skin = ctx.skin;
  c.windowBack = skin.windowBack;
  c.chaptersBack = skin.chapterBack;
  c.chaptersText = skin.chapterText;
  c.answersBack = skin.answerBack;
  c.answersText = skin.answerText;
  c.labelsText = skin.labelsText;
  c.questionText = skin.questionText;
  c.numberText = skin.numberText;
}

}  // namespace

std::string windowTitle(int examIndex, const std::string& activeUserName) {
  const std::string user = activeUserName == kDefaultUser ? "Utilisateur par défaut" : activeUserName;
  return examInfo(examIndex).title + kUserSuffixGap + "-" + user + "-";
}

void showDefaultExam(WindowContext& ctx) {
  const ExamInfo& exam = examInfo(kDefaultExam);
  ctx.examIndex = exam.index;
  ctx.bankPrefix = exam.bankPrefix;
  ctx.controls.erreursVisible = false;
  ctx.controls.title = windowTitle(exam.index, kDefaultUser);
  applySkinColours(ctx);
  // The test-size options and the inclusion of lower levels do not apply to
  // this brevet.
  for (const char* name : {"mnuQBi", "mnuConfirme", "mnuInclure"}) {
    ctx.controls.menus.at(name).visible = false;
    ctx.controls.menus.at(name).checked = false;
  }
  ctx.quiz.options.instructorTest = false;
  ctx.quiz.options.confirmedTest = false;
  for (const auto& module : copyModules(ctx.library.folder(), modulesOf(exam.index)))
    ctx.dialogs.message(MessageIcon::Exclamation, messages::kMissingFileTitle,
                        messages::missingModule(module));
  showChapterBoxes(ctx, exam);
  refreshChapterLights(ctx);
  resetPoints(ctx);
}

}  // namespace ventelle
