#include "ui/help/about_window.h"

#include "ui/help/links.h"

namespace ventelle {

AboutWindow::AboutWindow(const ProgramFolder& folder) {
  const std::string address = LinkBook(folder).address(kProgramPageKey);
  web_ = {address, {LinkTarget::Kind::Web, std::string(kProgramPageKey), address}};
}

}  // namespace ventelle
