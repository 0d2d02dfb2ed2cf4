#pragma once
// The help pages and the entries of the help index that open them.
#include <string>
#include <string_view>
#include <vector>

namespace ventelle {

enum class PageKind {
  Text,     // a heading over a body text read from its file
  Links,    // FrmLiens
  Lexicon,  // FrmLexique
  Tips,     // FrmTip
};

struct HelpPageEntry {
  std::string name;          // the window's control name, "FrmVersion"
  std::string indexCaption;  // its entry in the index
  PageKind kind = PageKind::Text;
  std::string ownHeading{};  // when the page's heading is not its index caption

  // Etiquette(0) of the page.
  const std::string& heading() const { return ownHeading.empty() ? indexCaption : ownHeading; }
  // The program path of a text page's body, "aide\FrmVersion.txt".
  std::string bodyFile() const { return kind == PageKind::Text ? "aide\\" + name + ".txt" : std::string(); }
};

constexpr int kIndexEntries = 16;

// The index's entries 1..16 in order, at [0..15].
const std::vector<HelpPageEntry>& helpPages();

// The page of that name, or nothing.
const HelpPageEntry* helpPage(std::string_view name);

}  // namespace ventelle
