#include "ui/help/help_body.h"

#include <string_view>

namespace ventelle {
namespace {

constexpr std::string_view kWebPrefix = "web:";
constexpr std::string_view kBullet = "- ";

std::string trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return std::string(text.substr(first, last - first + 1));
}

void addText(std::vector<TextRun>& runs, std::string_view text) {
  if (text.empty()) return;
  if (!runs.empty() && !runs.back().link) {
    runs.back().text += text;
  } else {
    runs.push_back({std::string(text), std::nullopt});
  }
}

// Splits one line of text into plain runs and links.
std::vector<TextRun> runsOf(std::string_view text, std::vector<LinkLabel>& links) {
  std::vector<TextRun> runs;
  std::size_t from = 0;
  while (from < text.size()) {
    const auto open = text.find('{', from);
    if (open == std::string_view::npos) break;
    const auto close = text.find('}', open);
    const auto bar = text.find('|', open);
    if (close == std::string_view::npos) break;
    const bool wellFormed = bar != std::string_view::npos && bar < close && bar > open + 1 && close > bar + 1 &&
                            text.substr(open + 1, close - open - 1).find('{') == std::string_view::npos;
    if (!wellFormed) {
      addText(runs, text.substr(from, open + 1 - from));
      from = open + 1;
      continue;
    }
    addText(runs, text.substr(from, open - from));
    const std::string target = trimmed(text.substr(open + 1, bar - open - 1));
    const std::string caption(text.substr(bar + 1, close - bar - 1));
    links.push_back({caption, linkTargetOf(target)});
    runs.push_back({caption, static_cast<int>(links.size()) - 1});
    from = close + 1;
  }
  addText(runs, text.substr(from));
  return runs;
}

}  // namespace

LinkTarget linkTargetOf(const std::string& target) {
  if (target.starts_with(kWebPrefix)) return {LinkTarget::Kind::Web, target.substr(kWebPrefix.size())};
  return {LinkTarget::Kind::Page, target};
}

HelpBody readHelpBody(const TextLines& lines) {
  // First the paragraphs as joined lines, then their links.
  std::vector<std::vector<std::pair<bool, std::string>>> paragraphs;
  bool inParagraph = false;
  for (const auto& line : lines) {
    if (!line.empty() && line.front() == ';') continue;
    const std::string text = trimmed(line);
    if (text.empty()) {
      inParagraph = false;
      continue;
    }
    if (!inParagraph) paragraphs.emplace_back();
    inParagraph = true;
    auto& blocks = paragraphs.back();
    if (text.starts_with(kBullet)) {
      blocks.emplace_back(true, trimmed(std::string_view(text).substr(kBullet.size())));
    } else if (blocks.empty()) {
      blocks.emplace_back(false, text);
    } else {
      blocks.back().second += " " + text;
    }
  }
  HelpBody body;
  for (const auto& blocks : paragraphs) {
    HelpParagraph paragraph;
    for (const auto& [bullet, text] : blocks) paragraph.push_back({bullet, runsOf(text, body.links)});
    body.paragraphs.push_back(std::move(paragraph));
  }
  return body;
}

}  // namespace ventelle
