#include "ui/quiz/wing_hover.h"

namespace ventelle {
namespace {

bool hasWing(const WindowContext& ctx) { return ctx.controls.wingMark == 'P' || ctx.controls.wingMark == 'D'; }

}  // namespace

bool mouseOverWindow(WindowContext& ctx) {
  if (ctx.hoverState == 'Y' || !hasWing(ctx)) return false;
  ctx.controls.wingCrossed = false;
  ctx.hoverState = 'Y';
  return true;
}

bool mouseOverWing(WindowContext& ctx) {
  if (ctx.hoverState == 'N' || ctx.controls.question.tag == tags::kBackToQuestionnaire || !hasWing(ctx)) return false;
  ctx.controls.wingCrossed = true;
  ctx.hoverState = 'N';
  return true;
}

}  // namespace ventelle
