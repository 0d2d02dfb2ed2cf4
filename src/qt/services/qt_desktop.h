#pragma once
#include "ui/window/desktop.h"

namespace ventelle {

// The desktop's own handlers: the default browser, mail program and text editor.
class QtDesktop : public Desktop {
 public:
  bool openAddress(const std::string& address) override;
  bool openTextFile(const std::filesystem::path& file) override;
};

}  // namespace ventelle
