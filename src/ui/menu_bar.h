#pragma once
// The menu bar: its items in order, with their parents and first states.
#include <map>
#include <string>
#include <vector>

#include "ui/window_controls.h"

namespace ventelle {

struct MenuEntry {
  std::string name;    // control name, also the widget's objectName
  std::string parent;  // empty for a top-level menu
};

// Items in menu order; an item whose caption is "-" is a separator.
const std::vector<MenuEntry>& menuLayout();

// Every item with its caption and its state when the window is created.
std::map<std::string, MenuItem> initialMenus();

}  // namespace ventelle
