#pragma once
// A help page of text: its heading over the body read from its file, with
// the body's in-text links.
#include <string>
#include <vector>

#include "core/program_folder.h"
#include "ui/help/help_body.h"
#include "ui/help/help_pages.h"

namespace ventelle {

class TextPage {
 public:
  // Reads the page's body, and its web links' addresses from the links
  // file. A missing or empty body file shows a notice in its place. A link
  // to no known page or to an empty address is shown as plain text.
  TextPage(const HelpPageEntry& page, const ProgramFolder& folder);

  const std::string& heading() const { return heading_; }
  const std::vector<HelpParagraph>& paragraphs() const { return body_.paragraphs; }
  const std::vector<LinkLabel>& links() const { return body_.links; }

  void mouseOverLink(int i) { hoverLink(body_.links, i); }
  void mouseOverText() { leaveLinks(body_.links); }

 private:
  std::string heading_;
  HelpBody body_;
};

}  // namespace ventelle
