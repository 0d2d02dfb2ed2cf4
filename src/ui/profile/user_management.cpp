#include "ui/profile/user_management.h"

#include <algorithm>

#include "ui/window/messages.h"

namespace ventelle {

namespace m = user_messages;

// One event of the window: the focus request of the last event is spent, and
// deactivations are its own until it ends.
class UserManagement::Event {
 public:
  explicit Event(UserManagement& model) : model_(model) {
    if (model_.running_++ == 0) model_.controls_.focus.clear();
  }
  ~Event() { --model_.running_; }
  Event(const Event&) = delete;
  Event& operator=(const Event&) = delete;

 private:
  UserManagement& model_;
};

UserManagement::UserManagement(UserHost& host, Dialogs& dialogs) : host_(host), dialogs_(dialogs) {
  UserCombo& combo = controls_.combo;
  for (const auto& file : host_.profileFileNames()) {
    std::string entry = displayNameOfFile(file);
    if (!entry.empty()) combo.entries.push_back(std::move(entry));
  }
  refreshLabel();
  const auto active = std::find_if(combo.entries.begin(), combo.entries.end(),
                                   [&](const std::string& entry) { return isActive(entry); });
  if (active != combo.entries.end()) comboEntryChosen(active - combo.entries.begin());
}

void UserManagement::comboTextEdited(const std::string& text) {
  Event event(*this);
  controls_.combo.text = text;
  controls_.combo.selected.reset();
}

void UserManagement::comboEntryChosen(std::size_t i) {
  Event event(*this);
  UserCombo& combo = controls_.combo;
  if (i >= combo.entries.size()) return;
  combo.selected = i;
  combo.text = combo.entries[i];
}

void UserManagement::comboDoubleClick() {
  Event event(*this);
  makeActive();
  close();
}

void UserManagement::cActifClick() {
  Event event(*this);
  makeActive();
}

void UserManagement::cActifFocused() { controls_.keepOpen = true; }

void UserManagement::makeActive() {
  const auto entry = selectedEntry();
  if (!entry) return;
  if (isActive(*entry)) return warn(m::kAlreadyActive);
  const std::string user = userNameOf(*entry);
  controls_.keepOpen = false;
  host_.loadUser(user);
  refreshLabel();
  close();
}

void UserManagement::cAjouterClick() {
  Event event(*this);
  UserCombo& combo = controls_.combo;
  const std::string name = trimBlanks(combo.text);
  if (const auto refusal = refusalOfNewUser(name, combo.entries, host_.profileFileNames())) {
    if (*refusal == m::kEnterName) controls_.focus = "Combo";
    return warn(*refusal);
  }
  if (!host_.initialiseUser(name)) return;
  combo.entries.push_back(name);
  combo.text = name;
  host_.addUserMenuItem(name);
}

void UserManagement::cReinitialiserClick() {
  Event event(*this);
  const auto entry = selectedEntry();
  if (!entry) return;
  const std::string user = userNameOf(*entry);
  if (!host_.initialiseUser(user)) return;
  if (!isActive(*entry)) return;
  controls_.keepOpen = false;
  host_.loadUser(user);
}

void UserManagement::cSupprimerClick() {
  Event event(*this);
  const auto entry = selectedEntry();
  if (!entry) return;
  if (isActive(*entry) || sameUserName(*entry, kDefaultUserDisplay)) return warn(m::kCannotDelete);
  if (!host_.deleteProfile(*entry)) return warn(m::notDeleted(*entry));
  host_.removeUserMenuItems(*entry);
  UserCombo& combo = controls_.combo;
  combo.entries.erase(combo.entries.begin() + *combo.selected);
  combo.selected.reset();
  combo.text.clear();
}

void UserManagement::cOKClick() {
  Event event(*this);
  close();
}

void UserManagement::deactivated() {
  if (running_ == 0 && controls_.keepOpen) close();
}

void UserManagement::refreshLabel() {
  controls_.label2 = user_window::kActivePrefix + displayName(host_.activeUserName());
}

void UserManagement::warn(const std::string& text) {
  dialogs_.message(MessageIcon::Exclamation, messages::kWarningTitle, text);
}

std::optional<std::string> UserManagement::selectedEntry() {
  const UserCombo& combo = controls_.combo;
  if (!combo.selected) {
    warn(m::kSelectUser);
    return std::nullopt;
  }
  return combo.entries[*combo.selected];
}

bool UserManagement::isActive(const std::string& entry) const {
  return sameUserName(entry, displayName(host_.activeUserName()));
}

void UserManagement::close() { controls_.closed = true; }

}  // namespace ventelle
