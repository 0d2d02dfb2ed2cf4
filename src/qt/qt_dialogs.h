#pragma once
#include <QWidget>

#include "ui/dialogs.h"

namespace ventelle {

// Message boxes of the desktop, modal over the main window.
class QtDialogs : public Dialogs {
 public:
  void setParent(QWidget* parent) { parent_ = parent; }
  void message(MessageIcon icon, const std::string& title, const std::string& text) override;

 private:
  QWidget* parent_ = nullptr;
};

}  // namespace ventelle
