#pragma once
// Message boxes, shown synchronously by the shell.
#include <string>

namespace ventelle {

enum class MessageIcon { Exclamation, Information, Stop };

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  virtual void message(MessageIcon icon, const std::string& title, const std::string& text) = 0;
};

}  // namespace ventelle
