#pragma once
// The keys that answer the quiz from anywhere in the main window, as the
// mouse would: 1 to 5 tick or untick an answer, Enter presses the Question
// button. A key is named as the keyboard names it: "1", "é", "Return",
// "Enter" (the keypad's).
#include <span>
#include <string_view>

#include "ui/window/window_context.h"

namespace ventelle {

enum class QuizKeyAction { None, TickAnswer, PressQuestion };

struct QuizKeyCommand {
  QuizKeyAction action = QuizKeyAction::None;
  int answer = 0;  // 1..5 for TickAnswer

  bool operator==(const QuizKeyCommand&) const = default;
};

// Every key the quiz answers to, for the shell to listen for: the digits 1
// to 5, the characters the same keys type unshifted on a French keyboard
// (& é " ' (), Return and the keypad's Enter. The keypad's digits are the
// digits.
std::span<const std::string_view> quizKeys();

// What that key does in the quiz; None for any other key.
QuizKeyCommand quizKeyCommand(std::string_view key);

// The key pressed in the main window: ticks or unticks answer n when its box
// is on show, exactly as a click on it; presses the Question button when it
// is on show, whatever its caption. While the goose board is up, Enter
// throws the die when it may be thrown. False when the key did nothing.
bool pressQuizKey(WindowContext& ctx, std::string_view key);

}  // namespace ventelle
