#pragma once
#include <QWidget>

#include "ui/window/dialogs.h"

namespace ventelle {

// Message boxes and input boxes of the desktop, modal over the main window.
class QtDialogs : public Dialogs {
 public:
  void setParent(QWidget* parent) { parent_ = parent; }
  void message(MessageIcon icon, const std::string& title, const std::string& text) override;
  bool messageWithButton(MessageIcon icon, const std::string& title, const std::string& text,
                         const std::string& button) override;
  std::optional<std::string> input(const std::string& title, const std::string& prompt,
                                   const std::string& defaultText) override;

 private:
  QWidget* parent_ = nullptr;
};

}  // namespace ventelle
