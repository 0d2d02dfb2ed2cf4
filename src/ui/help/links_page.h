#pragma once
// The help page FrmLiens: the supporters' sites, a mail to ask for a place
// among them, and the download sites, each at the address the links file
// gives it when the page opens.
#include <vector>

#include "core/program_folder.h"
#include "ui/help/link_label.h"

namespace ventelle {

constexpr int kSiteLinks = 15;

class LinksPage {
 public:
  // Reads the links' addresses from the links file.
  explicit LinksPage(const ProgramFolder& folder);

  // WEB(0..14); a link whose address is empty is plain text.
  const std::vector<LinkLabel>& links() const { return links_; }
  // The links of each group, in the order they stand on the page: the
  // supporters, the request for a link, the download sites.
  static const std::vector<int>& supporterLinks();
  static int contactLink();
  static const std::vector<int>& downloadLinks();

  void mouseOverLink(int i) { hoverLink(links_, i); }
  void mouseOverBackground() { leaveLinks(links_); }

 private:
  std::vector<LinkLabel> links_;
};

}  // namespace ventelle
