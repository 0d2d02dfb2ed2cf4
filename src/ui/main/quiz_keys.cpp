#include "ui/main/quiz_keys.h"

#include <array>

#include "ui/game/goose_commands.h"
#include "ui/main/question_button.h"
#include "ui/quiz/question_flow.h"

namespace ventelle {
namespace {

struct KeyRow {
  std::string_view key;
  QuizKeyCommand command;
};

constexpr QuizKeyCommand tick(int answer) { return {QuizKeyAction::TickAnswer, answer}; }
constexpr QuizKeyCommand kPress{QuizKeyAction::PressQuestion, 0};

// The top row of a French keyboard types & é " ' ( without Shift and the
// digits with it: either ticks.
constexpr std::array<KeyRow, 12> kKeys = {{
    {"1", tick(1)}, {"2", tick(2)}, {"3", tick(3)}, {"4", tick(4)}, {"5", tick(5)},
    {"&", tick(1)}, {"é", tick(2)}, {"\"", tick(3)}, {"'", tick(4)}, {"(", tick(5)},
    {"Return", kPress}, {"Enter", kPress},
}};

constexpr std::array<std::string_view, kKeys.size()> keyNames() {
  std::array<std::string_view, kKeys.size()> names{};
  for (std::size_t i = 0; i < kKeys.size(); ++i) names[i] = kKeys[i].key;
  return names;
}
constexpr auto kKeyNames = keyNames();

}  // namespace

std::span<const std::string_view> quizKeys() { return kKeyNames; }

QuizKeyCommand quizKeyCommand(std::string_view key) {
  for (const auto& row : kKeys)
    if (row.key == key) return row.command;
  return {};
}

bool pressQuizKey(WindowContext& ctx, std::string_view key) {
  const QuizKeyCommand command = quizKeyCommand(key);
  switch (command.action) {
    case QuizKeyAction::None:
      return false;
    case QuizKeyAction::TickAnswer:
      // Under the goose board no box can be reached.
      if (!ctx.controls.check[command.answer].visible || ctx.game.boardVisible()) return false;
      checkClick(ctx, command.answer);
      return true;
    case QuizKeyAction::PressQuestion:
      if (ctx.game.boardVisible()) {
        if (!ctx.game.dieEnabled()) return false;
        clickGameDie(ctx);
        return true;
      }
      if (!ctx.controls.question.visible) return false;
      pressQuestionButton(ctx);
      return true;
  }
  return false;
}

}  // namespace ventelle
