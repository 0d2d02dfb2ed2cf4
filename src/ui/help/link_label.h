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
    Web,   // an address of the links file, by its key
  };
  Kind kind = Kind::Web;
  std::string key;
  std::string address;  // a web link's address, as the links file gave it when the window opened

  bool operator==(const LinkTarget&) const = default;
};

struct LinkLabel {
  std::string caption;
  LinkTarget target;
  Colour colour = kLinkColour;

  // A web link without an address is plain text, and a click on it does nothing.
  bool live() const { return target.kind == LinkTarget::Kind::Page || !target.address.empty(); }

  bool operator==(const LinkLabel&) const = default;
};

// The mouse over link i: it turns blue, unless it is plain text, and every
// other link of the window dark green. An i outside the links turns them all
// dark green.
inline void hoverLink(std::vector<LinkLabel>& links, int i) {
  for (int k = 0; k < static_cast<int>(links.size()); ++k)
    links[k].colour = k == i && links[k].live() ? kLinkHoverColour : kLinkColour;
}

// The mouse over the window's background or a text: every link dark green.
inline void leaveLinks(std::vector<LinkLabel>& links) { hoverLink(links, -1); }

}  // namespace ventelle
