#pragma once
// The about window Apropos, modal: the program's name, version and author,
// and a link to its web page.
#include <string>

#include "ui/link_label.h"

namespace ventelle {

class AboutWindow {
 public:
  AboutWindow();

  // The link label WEB: the address of the program's web page.
  const LinkLabel& web() const { return web_; }

  void mouseOverLink() { web_.colour = kLinkHoverColour; }
  void mouseOverBackground() { web_.colour = kLinkColour; }

 private:
  LinkLabel web_;
};

}  // namespace ventelle
