#include "ui/about_window.h"

#include "ui/help_texts.h"
#include "ui/links.h"

namespace ventelle {

AboutWindow::AboutWindow() {
  const std::string address = webAddress("ventelle").value_or("");
  web_ = {address.empty() ? help_texts::kAboutNoAddress : address, {LinkTarget::Kind::Web, "ventelle"}};
}

}  // namespace ventelle
