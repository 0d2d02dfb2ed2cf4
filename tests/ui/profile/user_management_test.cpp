// The user management window and the users of the "&Fichier" menu.
#include "ui/profile/user_management.h"

#include <gtest/gtest.h>

#include "fakes/fake_user_host.h"
#include "fakes/recording_dialogs.h"

namespace ventelle {
namespace {

namespace m = user_messages;
using Names = std::vector<std::string>;

// Message boxes that, like real ones, can take the activation away from the window.
class ActivatingDialogs : public RecordingDialogs {
 public:
  void message(MessageIcon icon, const std::string& title, const std::string& text) override {
    RecordingDialogs::message(icon, title, text);
    if (window) window->deactivated();
  }
  UserManagement* window = nullptr;
};

// The window over the default user's, Marie's and bob's profiles, `active` the active user.
struct Users {
  explicit Users(const std::string& active = kDefaultUser) {
    host.addProfiles({"parapente.ini", "Marie.ini", "bob.ini"});
    host.active = active;
    window.emplace(host, dialogs);
  }
  const UserWindowControls& c() const { return window->controls(); }
  void choose(const std::string& entry) {
    const auto& entries = c().combo.entries;
    window->comboEntryChosen(std::find(entries.begin(), entries.end(), entry) - entries.begin());
  }
  void add(const std::string& typed) {
    window->comboTextEdited(typed);
    window->cAjouterClick();
  }
  Names told() const {
    Names texts;
    for (const auto& shown : dialogs.shown) texts.push_back(shown.text);
    return texts;
  }
  ActivatingDialogs dialogs;
  FakeUserHost host{dialogs};
  std::optional<UserManagement> window;
};

TEST(UserWindow, AddMakesAProfileAndAMenuItemOrRefusesAndChangesNothing) {
  Users u;
  for (const char* typed : {"", "MARIE", "Jean D."}) u.add(typed);
  EXPECT_EQ(u.told(), (Names{m::kEnterName, m::kAlreadyListed, m::kForbiddenCharacters}));
  EXPECT_EQ(u.host.files(), (Names{"bob.ini", "Marie.ini", "parapente.ini"}));
  u.add("  Jean  Paul\t");
  EXPECT_EQ(u.host.profile("Jean  Paul.ini"), FakeUserHost::kFreshProfile);
  EXPECT_EQ(u.c().combo.entries.back(), "Jean  Paul");
  EXPECT_EQ(u.host.userItems(), (Names{"Utilisateur par défaut", "bob", "Marie", "Jean  Paul"}));
  EXPECT_EQ(u.host.active, kDefaultUser);
  u.host.writable = false;
  u.add("Paul");
  EXPECT_EQ(u.told().back(), FakeUserHost::kWriteFailed);
  EXPECT_EQ(u.host.userItems().size(), 4u);
}

TEST(UserWindow, DeleteRemovesProfileEntryAndMenuItemButNeverTheActiveOrDefaultUser) {
  Users u("Marie");
  u.dialogs.window = &*u.window;  // its own message boxes do not close it
  for (const char* chosen : {"Marie", "Utilisateur par défaut"}) {
    u.choose(chosen);
    u.window->cSupprimerClick();
  }
  u.host.deletable = false;
  u.choose("bob");
  u.window->cSupprimerClick();
  EXPECT_EQ(u.told(), (Names{m::kCannotDelete, m::kCannotDelete, "Le profil de l'utilisateur bob n'a pas pu être supprimé."}));
  EXPECT_FALSE(u.c().closed);
  u.host.deletable = true;
  u.window->cSupprimerClick();
  EXPECT_EQ(u.host.files(), (Names{"Marie.ini", "parapente.ini"}));
  EXPECT_EQ(u.c().combo.entries, (Names{"Marie", "Utilisateur par défaut"}));
  EXPECT_EQ(u.host.userItems(), (Names{"Utilisateur par défaut", "Marie"}));
}

}  // namespace
}  // namespace ventelle
