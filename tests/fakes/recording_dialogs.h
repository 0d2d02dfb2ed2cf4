#pragma once
// Records every message box instead of showing it.
#include <optional>
#include <string>
#include <vector>

#include "ui/window/dialogs.h"

namespace ventelle {

struct ShownMessage {
  MessageIcon icon;
  std::string title;
  std::string text;
};

class RecordingDialogs : public Dialogs {
 public:
  void message(MessageIcon icon, const std::string& title, const std::string& text) override {
    shown.push_back({icon, title, text});
  }
  // Boxes with a second button are never answered by it.
  bool messageWithButton(MessageIcon icon, const std::string& title, const std::string& text, const std::string&) override {
    RecordingDialogs::message(icon, title, text);
    return false;
  }
  // Input boxes answer from `answers` in turn, then cancel.
  std::optional<std::string> input(const std::string& title, const std::string& prompt,
                                   const std::string& defaultText) override {
    inputs.push_back({title, prompt, defaultText});
    if (answers.empty()) return std::nullopt;
    auto answer = answers.front();
    answers.erase(answers.begin());
    return answer;
  }
  int count(const std::string& text) const {
    int n = 0;
    for (const auto& m : shown) n += m.text == text;
    return n;
  }
  std::vector<ShownMessage> shown;
  struct InputBox { std::string title, prompt, defaultText; };
  std::vector<InputBox> inputs;
  std::vector<std::optional<std::string>> answers;
};

}  // namespace ventelle
