#pragma once
// Records every message box instead of showing it.
#include <string>
#include <vector>

#include "ui/dialogs.h"

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
  int count(const std::string& text) const {
    int n = 0;
    for (const auto& m : shown) n += m.text == text;
    return n;
  }
  std::vector<ShownMessage> shown;
};

}  // namespace ventelle
