#pragma once
// The skin procedure: the colours and pictures of a skin file put on every
// control of the main window that takes them.
#include <optional>
#include <string>

#include "ui/skin/skin_file.h"
#include "ui/window/window_context.h"

namespace ventelle {

// Who asks for a skin. Only a skin the user has just chosen is worth a
// message when it cannot be applied; from a profile or a game question the
// window quietly keeps its look.
enum class SkinRequest { Menu, Profile };

// Puts the skin on the window: the window's background, the Question
// button's dress for each state, the chapter and answer boxes (the chapter
// on screen and the marked mistakes keep standing out) and the captions.
void applySkin(WindowContext& ctx, const Skin& skin);

// skin: reads skin/<name>.col whole and applies it, after which it is the
// active skin (SkinName). A skin that cannot be read leaves the window as it
// was, and false comes back. A profile's skin name is kept as the user's
// choice all the same, so that saving the profile does not lose it; a name
// chosen in the menu that fails is not taken.
bool showSkin(WindowContext& ctx, const std::string& name, SkinRequest request);

// The skin an "&Affichage" item stands for (mnuskin1, mnuskin2 ...), or
// nothing for another item.
std::optional<std::string> skinOfItem(const MenuBar& menus, const std::string& item);

}  // namespace ventelle
