#include "ui/text_page.h"

#include "ui/help_texts.h"
#include "ui/links.h"

namespace ventelle {
namespace {

bool leadsSomewhere(const LinkTarget& target) {
  switch (target.kind) {
    case LinkTarget::Kind::Page: return helpPage(target.key) != nullptr;
    case LinkTarget::Kind::Web: return webAddress(target.key).has_value();
    case LinkTarget::Kind::Mail: return true;
  }
  return false;
}

// Turns the links that lead nowhere into plain text and numbers the others
// anew.
HelpBody withoutDeadLinks(const HelpBody& read) {
  HelpBody body;
  for (const auto& paragraph : read.paragraphs) {
    HelpParagraph kept;
    for (const auto& block : paragraph) {
      TextBlock line{block.bullet, {}};
      for (const auto& run : block.runs) {
        const bool live = run.link && leadsSomewhere(read.links[*run.link].target);
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
  if (lines) body_ = withoutDeadLinks(readHelpBody(*lines));
  if (body_.paragraphs.empty())
    body_.paragraphs = {{TextBlock{false, {{help_texts::missingPage(page.bodyFile()), std::nullopt}}}}};
}

}  // namespace ventelle
