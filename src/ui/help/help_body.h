#pragma once
// The body text of a help page, read from its file "aide\<page>.txt":
//
//   ; a line whose first character is ";" is a comment
//   Lines of one paragraph are joined with a single space; paragraphs are
//   separated by a blank line.
//   - a line that begins with "- " is a bullet item on a line of its own
//   {FrmEvaluation|Evaluation} shows "Evaluation" as a link to that page;
//   {web:ffvl|FFVL} shows "FFVL" as a link to that web address.
//
// The page's heading is not in the file.
#include <optional>
#include <string>
#include <vector>

#include "core/text_file.h"
#include "ui/help/link_label.h"

namespace ventelle {

// A piece of text, plain or the caption of link `link` of the body.
struct TextRun {
  std::string text;
  std::optional<int> link;

  bool operator==(const TextRun&) const = default;
};

// One line of a paragraph as shown: its opening text, or a bullet item.
struct TextBlock {
  bool bullet = false;
  std::vector<TextRun> runs;

  bool operator==(const TextBlock&) const = default;
};

using HelpParagraph = std::vector<TextBlock>;

struct HelpBody {
  std::vector<HelpParagraph> paragraphs;
  std::vector<LinkLabel> links;  // in reading order
};

// Reads a body. A "{" that does not open a well-formed link ("{target|text}"
// with both parts) is shown as it stands.
HelpBody readHelpBody(const TextLines& lines);

// A link's target as written before its "|": "web:KEY" is the web address
// of that key, anything else a page's name.
LinkTarget linkTargetOf(const std::string& target);

}  // namespace ventelle
