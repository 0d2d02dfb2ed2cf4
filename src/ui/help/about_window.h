#pragma once
// The about window Apropos, modal: the program's name, version and author,
// and a link to its web page.
#include <string>

#include "core/program_folder.h"
#include "ui/help/link_label.h"

namespace ventelle {

class AboutWindow {
 public:
  // Reads the program page's address from the links file.
  explicit AboutWindow(const ProgramFolder& folder);

  // The link label WEB, showing the address of the program's web page; with
  // no address it is empty, and the window shows neither it nor its caption.
  const LinkLabel& web() const { return web_; }

  void mouseOverLink() { web_.colour = web_.live() ? kLinkHoverColour : kLinkColour; }
  void mouseOverBackground() { web_.colour = kLinkColour; }

 private:
  LinkLabel web_;
};

}  // namespace ventelle
