#pragma once
// The user entries of the "&Fichier" menu: the item array mnuUtilisateur0,
// mnuUtilisateur1 ... Item 0 is the default user and always there; the other
// items carry a user name as their caption, shown as it is.
#include <optional>
#include <string>

#include "ui/window/menu_bar.h"

namespace ventelle {

inline const std::string kUserItemPrefix = "mnuUtilisateur";

// Adds an item for that user after the last user item, numbered one above the
// highest number in use: a gap left by a removed item is not filled.
void addUserItem(MenuBar& menus, const std::string& userName);

// Removes every user item but item 0 whose caption shows that name, letter
// case aside.
void removeUserItems(MenuBar& menus, const std::string& userName);

// The user a menu item stands for ("parapente" for item 0), or nothing when
// the item is not a user item.
std::optional<std::string> userOfItem(const MenuBar& menus, const std::string& itemName);

// The text a caption shows: "&&" is a "&", a single "&" marks the access key.
std::string shownText(const std::string& caption);

}  // namespace ventelle
