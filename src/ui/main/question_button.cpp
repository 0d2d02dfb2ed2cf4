#include "ui/main/question_button.h"

#include "ui/print/questionnaire_generation.h"
#include "ui/quiz/question_flow.h"

namespace ventelle {

void pressQuestionButton(WindowContext& ctx) {
  // Print preparation locks the game's menu: no game can be open here.
  if (ctx.controls.question.tag == tags::kBackToQuestionnaire)
    leavePrintPreparation(ctx);
  else
    questionClick(ctx);
}

}  // namespace ventelle
