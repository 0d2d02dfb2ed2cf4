#include "ui/profile/user_menu.h"

#include <cctype>

#include "users/user_names.h"

namespace ventelle {
namespace {

// The number of a user item, or nothing for any other item.
std::optional<int> userItemNumber(const std::string& itemName) {
  if (itemName.rfind(kUserItemPrefix, 0) != 0 || itemName.size() == kUserItemPrefix.size()) return std::nullopt;
  int number = 0;
  for (std::size_t i = kUserItemPrefix.size(); i < itemName.size(); ++i) {
    if (!std::isdigit(static_cast<unsigned char>(itemName[i]))) return std::nullopt;
    number = number * 10 + (itemName[i] - '0');
  }
  return number;
}

// The user item with the highest number: item 0 when it is alone.
int highestUserItem(const MenuBar& menus) {
  int highest = 0;
  for (const auto& entry : menus.order())
    if (const auto number = userItemNumber(entry.name); number && *number > highest) highest = *number;
  return highest;
}

std::string itemName(int number) { return kUserItemPrefix + std::to_string(number); }

}  // namespace

void addUserItem(MenuBar& menus, const std::string& userName) {
  const int highest = highestUserItem(menus);
  menus.insertAfter(itemName(highest), itemName(highest + 1), MenuItem{literalCaption(userName)});
}

void removeUserItems(MenuBar& menus, const std::string& userName) {
  const int highest = highestUserItem(menus);
  for (int number = 1; number <= highest; ++number) {
    const std::string name = itemName(number);
    if (menus.contains(name) && sameUserName(shownText(menus.at(name).caption), userName)) menus.remove(name);
  }
}

std::optional<std::string> userOfItem(const MenuBar& menus, const std::string& itemName) {
  if (!userItemNumber(itemName) || !menus.contains(itemName)) return std::nullopt;
  return userNameOf(shownText(menus.at(itemName).caption));
}

std::string shownText(const std::string& caption) {
  std::string text;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] != '&') {
      text += caption[i];
    } else if (i + 1 < caption.size() && caption[i + 1] == '&') {
      text += '&';
      ++i;
    }
  }
  return text;
}

}  // namespace ventelle
