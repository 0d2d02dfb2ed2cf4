#pragma once
// Message boxes and input boxes, shown synchronously by the shell.
#include <optional>
#include <string>

namespace ventelle {

enum class MessageIcon { Exclamation, Information, Stop };

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  virtual void message(MessageIcon icon, const std::string& title, const std::string& text) = 0;
  // A message box with OK and a second button captioned `button`: true when
  // the user pressed that button. Where boxes have no second button, the
  // message alone is given.
  virtual bool messageWithButton(MessageIcon icon, const std::string& title, const std::string& text,
                                 const std::string& /*button*/) {
    message(icon, title, text);
    return false;
  }
  // An input box with its prompt and default text: the text typed, or
  // nothing when the user cancels.
  virtual std::optional<std::string> input(const std::string& title, const std::string& prompt,
                                           const std::string& defaultText) = 0;
};

}  // namespace ventelle
