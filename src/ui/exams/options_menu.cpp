#include "ui/exams/options_menu.h"

#include "ui/exams/exam_switch.h"
#include "ui/quiz/full_questionnaire.h"
#include "ui/quiz/question_flow.h"

namespace ventelle {
namespace {

MenuItem& menu(WindowContext& ctx, const std::string& name) { return ctx.controls.menus.at(name); }

bool confirmedLevelCurrent(const WindowContext& ctx) { return ctx.examIndex == 8 || ctx.examIndex == 11; }

void removeQuestionButtons(WindowContext& ctx) {
  ctx.controls.bouton.clear();
  ctx.quiz.currentButton = 0;
}

void enterTrainingMode(WindowContext& ctx) {
  auto& c = ctx.controls;
  menu(ctx, "mnuEvaluation").checked = true;
  c.question.tag = tags::kEvaluation;
  c.question.toolTip = "notation de la question";
  menu(ctx, "mnuFRepose").visible = true;
  menu(ctx, "mnuComplet").visible = true;
  c.historiqueVisible = true;
  c.finalAtBottom = false;
}

void enterFullQuestionnaireMode(WindowContext& ctx) {
  auto& c = ctx.controls;
  auto& quiz = ctx.quiz;
  menu(ctx, "mnuEvaluation").checked = false;
  c.question.tag = tags::kButtons;
  c.question.caption = "Evaluation";
  c.question.toolTip = "notation du questionnaire";
  chooseReaskPeriod(ctx, 0);
  menu(ctx, "mnuFRepose").visible = false;
  menu(ctx, "mnuComplet").visible = false;
  c.historiqueVisible = false;
  c.finalAtBottom = true;
  const PageLayout layout = determinePageLayout(ctx);
  c.gridColumns = layout.gridColumns;
  c.gridRows = layout.gridRows;
  const int n = layout.gridColumns * layout.gridRows;
  c.bouton.assign(n, NumberedButton{});
  for (int k = 1; k <= n; ++k) c.bouton[k - 1].caption = std::to_string(k);
  quiz.questionsAsked = n;
  c.nombreQuestionsPosees = std::to_string(n);
  quiz.askedQuestions.assign(n, AskedQuestion{});
  quiz.questionRecords.assign(n, QuestionRecord{});
  boutonClick(ctx, 1);
}

}  // namespace

std::string reaskEntryName(int p) { return "mnurepose" + std::to_string(p); }

void restartTest(WindowContext& ctx) {
  if (!ctx.trainingMode()) {
    toggleEvaluationMode(ctx);
  } else {
    resetPoints(ctx);
  }
}

void resetPoints(WindowContext& ctx) {
  auto& c = ctx.controls;
  auto& quiz = ctx.quiz;
  c.question.visible = true;
  if (!c.bouton.empty()) {
    toggleEvaluationMode(ctx);
    return;
  }
  c.historique.clear();
  c.historiqueSelected = -1;
  c.erreursVisible = false;
  c.final.clear();
  c.labelQuestionVisible = true;
  c.nombreQuestionsPosees.clear();
  c.totalPoints.clear();
  c.nombrePointsMax.clear();
  c.moyenne.clear();
  quiz.questionsAsked = 0;
  quiz.totalPoints = 0;
  quiz.maxPoints = 0;
  quiz.antiDuplicateOff = false;
  quiz.askedQuestions.assign(1, AskedQuestion{});
  quiz.questionRecords.assign(1, QuestionRecord{});
  quiz.currentButton = 0;
  quiz.redrawRequested = true;
  questionClick(ctx);
}

void toggleEvaluationMode(WindowContext& ctx) {
  const bool toTraining = !ctx.trainingMode();
  removeQuestionButtons(ctx);
  resetPoints(ctx);
  if (toTraining) {
    enterTrainingMode(ctx);
  } else {
    enterFullQuestionnaireMode(ctx);
  }
}

void toggleConfirmedTest(WindowContext& ctx) {
  auto& item = menu(ctx, "mnuConfirme");
  auto& options = ctx.quiz.options;
  if (confirmedLevelCurrent(ctx) && item.checked) return;
  item.checked = !item.checked;
  options.confirmedTest = item.checked;
  if (item.checked) {
    menu(ctx, "mnuQBi").checked = false;
    options.instructorTest = false;
  }
  restartTest(ctx);
}

void toggleInstructorTest(WindowContext& ctx) {
  auto& item = menu(ctx, "mnuQBi");
  auto& options = ctx.quiz.options;
  if (confirmedLevelCurrent(ctx) && item.checked) {
    item.checked = false;
    options.instructorTest = false;
    menu(ctx, "mnuConfirme").checked = true;
    options.confirmedTest = true;
  } else {
    item.checked = !item.checked;
    options.instructorTest = item.checked;
    if (item.checked) {
      menu(ctx, "mnuConfirme").checked = false;
      options.confirmedTest = false;
    }
  }
  restartTest(ctx);
}

void toggleConformMarking(WindowContext& ctx) {
  auto& item = menu(ctx, "mnuConforme");
  item.checked = !item.checked;
  ctx.quiz.options.examConformMarking = item.checked;
  restartTest(ctx);
}

void toggleStopEntry(WindowContext& ctx, int entry) {
  const int other = entry == 1 ? 2 : 1;
  auto& mine = menu(ctx, "mnuCompletRE" + std::to_string(entry));
  auto& theirs = menu(ctx, "mnuCompletRE" + std::to_string(other));
  mine.checked = !mine.checked;
  if (mine.checked && theirs.checked) {
    ctx.quiz.options.stopMode = StopMode::Both;
  } else if (mine.checked || theirs.checked) {
    ctx.quiz.options.stopMode = static_cast<StopMode>(mine.checked ? entry : other);
  } else {
    ctx.quiz.options.stopMode = StopMode::Neither;
  }
}

void chooseReaskPeriod(WindowContext& ctx, int p) {
  if (p == ctx.reaskPeriod) return;
  menu(ctx, reaskEntryName(ctx.reaskPeriod)).checked = false;
  ctx.reaskPeriod = p;
  ctx.controls.erreursVisible = false;
  ctx.quiz.repeatCounter = 0;
  menu(ctx, reaskEntryName(p)).checked = true;
}

void chooseDrawMode(WindowContext& ctx, bool chapterPriority) {
  menu(ctx, "mnuTChap").checked = chapterPriority;
  menu(ctx, "mnuTQuest").checked = !chapterPriority;
}

void chapterBoxClick(WindowContext& ctx, int i) {
  if (i < 1 || i > kChapterBoxes) return;
  auto& box = ctx.controls.partie[i];
  box.ticked = !box.ticked;
  ctx.controls.erreursVisible = false;
  ctx.controls.feu[i].visible = box.ticked;
}

}  // namespace ventelle
