#pragma once
// A link label of a reference window: its caption, what it opens, and its
// colour, dark green at rest and blue while the mouse is over it.
#include <string>
#include <vector>

#include "quiz/colour.h"

namespace ventelle {

constexpr Colour kLinkColour = 0x008000;       // red 0, green 128, blue 0
constexpr Colour kLinkHoverColour = 0xFF0000;  // red 0, green 0, blue 255

struct LinkTarget {
  enum class Kind {
    Page,  // a help page, by its window name
    Web,   // an address of the program's table of addresses, by its key
    Mail,  // a new mail to the program's author, with that subject
  };
  Kind kind = Kind::Web;
  std::string key;

  bool operator==(const LinkTarget&) const = default;
};

struct LinkLabel {
  std::string caption;
  LinkTarget target;
  Colour colour = kLinkColour;

  bool operator==(const LinkLabel&) const = default;
};

// The mouse over link i: it turns blue and every other link of the window
// dark green. An i outside the links turns them all dark green.
inline void hoverLink(std::vector<LinkLabel>& links, int i) {
  for (int k = 0; k < static_cast<int>(links.size()); ++k) links[k].colour = k == i ? kLinkHoverColour : kLinkColour;
}

// The mouse over the window's background or a text: every link dark green.
inline void leaveLinks(std::vector<LinkLabel>& links) { hoverLink(links, -1); }

}  // namespace ventelle
