#pragma once
// The menu bar: every item in order, with its parent and its state.
#include <map>
#include <string>
#include <vector>

namespace ventelle {

struct MenuItem {
  std::string caption;  // "&" before the access letter; "-" for a separator
  bool checked = false;
  bool visible = true;
  bool enabled = true;
  bool checkable = false;  // an option or a choice that shows a check mark
};

struct MenuEntry {
  std::string name;    // control name, also the widget's objectName
  std::string parent;  // empty for a top-level menu

  friend bool operator==(const MenuEntry&, const MenuEntry&) = default;
};

class MenuBar {
 public:
  // Appends an item at the end of its parent's items.
  void add(MenuEntry entry, MenuItem item);
  // Puts a new item right after an existing one, under the same parent; does
  // nothing when the sibling is unknown or the name taken.
  void insertAfter(const std::string& sibling, const std::string& name, MenuItem item);
  // Takes an item out of the bar; does nothing when the name is unknown.
  void remove(const std::string& name);

  MenuItem& at(const std::string& name) { return items_.at(name); }
  const MenuItem& at(const std::string& name) const { return items_.at(name); }
  bool contains(const std::string& name) const { return items_.contains(name); }
  // Items in menu order.
  const std::vector<MenuEntry>& order() const { return order_; }
  bool hasChildren(const std::string& name) const;
  // The user can choose the item: it and every menu above it are enabled.
  bool reachable(const std::string& name) const;

 private:
  std::vector<MenuEntry> order_;
  std::map<std::string, MenuItem> items_;
};

// Every item with its caption and its state when the window is created.
MenuBar initialMenuBar();

// A caption that shows this text as it is: "&" is not taken as an access key.
std::string literalCaption(const std::string& text);

// A caption as the user reads it: the access-key "&" dropped, "&&" shown as "&".
std::string shownCaption(const std::string& caption);

}  // namespace ventelle
