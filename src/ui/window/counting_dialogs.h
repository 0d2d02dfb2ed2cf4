#pragma once
// The dialogs of one window, counting the boxes on screen: a modal box lets
// timers tick under it, and a timer's handler must then wait its turn.
#include "ui/window/dialogs.h"

namespace ventelle {

class CountingDialogs : public Dialogs {
 public:
  explicit CountingDialogs(Dialogs& shown) : shown_(shown) {}

  bool anyOpen() const { return open_ > 0; }

  void message(MessageIcon icon, const std::string& title, const std::string& text) override {
    const Open box(open_);
    shown_.message(icon, title, text);
  }
  bool messageWithButton(MessageIcon icon, const std::string& title, const std::string& text,
                         const std::string& button) override {
    const Open box(open_);
    return shown_.messageWithButton(icon, title, text, button);
  }
  std::optional<std::string> input(const std::string& title, const std::string& prompt,
                                   const std::string& defaultText) override {
    const Open box(open_);
    return shown_.input(title, prompt, defaultText);
  }

 private:
  struct Open {
    explicit Open(int& count) : count_(count) { ++count_; }
    ~Open() { --count_; }
    int& count_;
  };
  Dialogs& shown_;
  int open_ = 0;
};

}  // namespace ventelle
