#include "ui/help/text_page.h"

#include "ui/help/help_texts.h"
#include "ui/help/links.h"

namespace ventelle {
namespace {

// Gives each web link its address and turns the links that lead nowhere (to
// no known page, or to an empty address) into plain text, numbering the
// others anew.
HelpBody withoutDeadLinks(HelpBody read, const LinkBook& book) {
  for (auto& link : read.links) {
    if (link.target.kind == LinkTarget::Kind::Web) link.target.address = book.address(link.target.key);
  }
  const auto leadsSomewhere = [](const LinkLabel& link) {
    return link.target.kind == LinkTarget::Kind::Page ? helpPage(link.target.key) != nullptr : link.live();
  };
  HelpBody body;
  for (const auto& paragraph : read.paragraphs) {
    HelpParagraph kept;
    for (const auto& block : paragraph) {
      TextBlock line{block.bullet, {}};
      for (const auto& run : block.runs) {
        const bool live = run.link && leadsSomewhere(read.links[*run.link]);
        if (live) {
          body.links.push_back(read.links[*run.link]);
          line.runs.push_back({run.text, static_cast<int>(body.links.size()) - 1});
        } else if (!line.runs.empty() && !line.runs.back().link) {
          line.runs.back().text += run.text;
        } else {
          line.runs.push_back({run.text, std::nullopt});
        }
      }
      kept.push_back(std::move(line));
    }
    body.paragraphs.push_back(std::move(kept));
  }
  return body;
}

}  // namespace

TextPage::TextPage(const HelpPageEntry& page, const ProgramFolder& folder) : heading_(page.heading()) {
  const auto lines = readTextFile(folder.resolve(page.bodyFile()));
  if (lines) body_ = withoutDeadLinks(readHelpBody(*lines), LinkBook(folder));
  if (body_.paragraphs.empty())
    body_.paragraphs = {{TextBlock{false, {{help_texts::missingPage(page.bodyFile()), std::nullopt}}}}};
}

}  // namespace ventelle
