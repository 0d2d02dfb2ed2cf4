#include "ui/quiz/error_panel.h"

#include "quiz/error_report.h"

namespace ventelle {
namespace {

const std::string kCaptionMiddle = ": Erreurs sur le chapitre ";

ErrorReport reportOf(const WindowContext& ctx) {
  return errorReport(ctx.examIndex, ctx.includesLowerLevels(), ctx.errors);
}

// The 2004 brevets are named as the error report heads them, title and
// subtitle on one line. The subtitle's closing dash is dropped since the
// caption goes on with a colon: "QCM Parapente 2004 - Brevet de Pilote".
std::string brevetTitle(const ErrorReport& report) {
  std::string subtitle = report.subtitle;
  if (subtitle.ends_with(" -")) subtitle.resize(subtitle.size() - 2);
  return "QCM " + report.title + (subtitle.empty() ? "" : " " + subtitle);
}

}  // namespace

std::string errorPanelTitle(const WindowContext& ctx) {
  const std::string& prefix = ctx.bankPrefix;
  if (prefix == "manuel\\") return "QCM Manuel du vol libre";
  if (prefix == "ulm\\u") return "QCM ULM";
  if (prefix == "planeur\\p") return "QCM Vol à Voile";
  if (prefix == "avion\\a") return "QCM Pilote Privé Avion";
  if (prefix == "2000\\n") return "QCM 2000";
  return brevetTitle(reportOf(ctx));
}

void selectChapter(WindowContext& ctx, int i) {
  if (i >= 1 && i <= kChapterBoxes) ctx.quiz.selectedChapter = i;
}

// A key reaches only the box that has the focus, so F1 on box i selects
// chapter i: the caption and the list always name the same chapter, even
// when a draw has selected another chapter since the box took the focus.
// The list is the chapter's line of the error report, which for a brevet
// with the lower levels included gathers the lists of every level.
void toggleErrorPanel(WindowContext& ctx, int i) {
  if (i < 1 || i > kChapterBoxes || !ctx.controls.partie[i].visible) return;
  selectChapter(ctx, i);
  auto& c = ctx.controls;
  c.erreursVisible = !c.erreursVisible;
  c.afficheErreurs = reportOf(ctx).line(ctx.quiz.selectedChapter);
  c.erreursCaption = errorPanelTitle(ctx) + kCaptionMiddle + '"' + shownCaption(c.partie[i].caption) + '"';
}

bool hideErrorPanel(WindowContext& ctx) {
  if (!ctx.controls.erreursVisible) return false;
  ctx.controls.erreursVisible = false;
  return true;
}

}  // namespace ventelle
