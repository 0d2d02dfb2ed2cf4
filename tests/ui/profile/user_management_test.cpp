#include "ui/profile/user_management.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "fakes/fake_user_host.h"
#include "fakes/recording_dialogs.h"

namespace ventelle {
namespace {

namespace m = user_messages;
using Names = std::vector<std::string>;

const Names kProfiles = {"parapente.ini", "Marie.ini", "bob.ini"};

// Message boxes that, like real ones, can take the activation away from the
// window while they show.
class ActivatingDialogs : public RecordingDialogs {
 public:
  void message(MessageIcon icon, const std::string& title, const std::string& text) override {
    RecordingDialogs::message(icon, title, text);
    if (whileShown) whileShown();
  }
  std::function<void()> whileShown;
};

// The window opened over a folder of profiles (by default the default
// user's, bob's and Marie's, with their menu items), `active` the active
// user.
struct Users {
  explicit Users(const std::string& active = kDefaultUser, const Names& files = kProfiles) {
    host.addProfiles(files);
    host.active = active;
    model.emplace(host, dialogs);
  }
  const UserWindowControls& c() const { return model->controls(); }
  void type(const std::string& text) { model->comboTextEdited(text); }
  void choose(const std::string& entry) {
    const auto& entries = c().combo.entries;
    const auto found = std::find(entries.begin(), entries.end(), entry);
    ASSERT_NE(found, entries.end()) << entry;
    model->comboEntryChosen(found - entries.begin());
  }
  void add(const std::string& typed) {
    type(typed);
    model->cAjouterClick();
  }
  // The texts of the messages shown, each checked to be a warning.
  Names messages() const {
    Names texts;
    for (const auto& shown : dialogs.shown) {
      EXPECT_EQ(shown.icon, MessageIcon::Exclamation) << shown.text;
      if (shown.text != FakeUserHost::kWriteFailed) {
        EXPECT_EQ(shown.title, "Attention !") << shown.text;
      }
      texts.push_back(shown.text);
    }
    return texts;
  }

  ActivatingDialogs dialogs;
  FakeUserHost host{dialogs};
  std::optional<UserManagement> model;
};

// ---- opening

TEST(UserWindow, OpensOnTheProfilesInListingOrderWithTheActiveUserSelected) {
  Users u(kDefaultUser, {"parapente.ini", "Marie.ini", "bob.INI", "notes.txt", "jean.dupont.ini", ".ini"});
  EXPECT_EQ(u.c().combo.entries, (Names{"bob", "jean", "Marie", "Utilisateur par défaut"}));
  EXPECT_EQ(u.c().combo.selected, 3u);
  EXPECT_EQ(u.c().combo.text, "Utilisateur par défaut");
  EXPECT_EQ(u.c().label2, "Utilisateur actif: Utilisateur par défaut");
  EXPECT_TRUE(u.c().keepOpen);
  EXPECT_FALSE(u.c().closed);
}

TEST(UserWindow, AnotherActiveUserIsSelectedWhateverTheCaseOfHisName) {
  Users u("marie");
  EXPECT_EQ(u.c().combo.selected, 1u);
  EXPECT_EQ(u.c().combo.text, "Marie");
  EXPECT_EQ(u.c().label2, "Utilisateur actif: marie");
}

// The active user's profile may have gone since the start: nothing is
// selected and the combo keeps its first text.
TEST(UserWindow, AnActiveUserWithoutProfileLeavesNothingSelected) {
  Users u("Paul");
  EXPECT_EQ(u.c().combo.selected, std::nullopt);
  EXPECT_EQ(u.c().combo.text, "Utilisateur par défaut");
  EXPECT_EQ(u.c().label2, "Utilisateur actif: Paul");
}

TEST(UserWindow, TypingReplacesTheTextAndDropsTheSelection) {
  Users u;
  u.type("Pa");
  EXPECT_EQ(u.c().combo.text, "Pa");
  EXPECT_EQ(u.c().combo.selected, std::nullopt);
  u.choose("bob");
  EXPECT_EQ(u.c().combo.text, "bob");
  EXPECT_EQ(u.c().combo.selected, 0u);
}

// ---- make active

TEST(UserWindow, MakeActiveLoadsTheChosenUserAndCloses) {
  Users u;
  u.choose("Marie");
  u.model->cActifClick();
  EXPECT_EQ(u.host.loads, Names{"Marie"});
  EXPECT_EQ(u.c().label2, "Utilisateur actif: Marie");
  EXPECT_FALSE(u.c().keepOpen);
  EXPECT_TRUE(u.c().closed);
  EXPECT_TRUE(u.messages().empty());
}

TEST(UserWindow, MakeActiveOfTheDefaultEntryLoadsParapente) {
  Users u("Marie");
  u.choose("Utilisateur par défaut");
  u.model->cActifClick();
  EXPECT_EQ(u.host.loads, Names{"parapente"});
  EXPECT_EQ(u.c().label2, "Utilisateur actif: Utilisateur par défaut");
}

TEST(UserWindow, MakeActiveIsRefusedWithoutSelectionOrForTheActiveUser) {
  struct Case {
    std::string active;
    std::optional<std::string> chosen;  // nothing: a name typed instead
    std::string message;
  };
  for (const Case& k : {Case{kDefaultUser, "Utilisateur par défaut", m::kAlreadyActive},
                        Case{"MARIE", "Marie", m::kAlreadyActive}, Case{kDefaultUser, std::nullopt, m::kSelectUser}}) {
    SCOPED_TRACE(k.message + " with " + k.active);
    Users u(k.active);
    if (k.chosen) {
      u.choose(*k.chosen);
    } else {
      u.type("Marie");
    }
    u.model->cActifClick();
    EXPECT_EQ(u.messages(), Names{k.message});
    EXPECT_TRUE(u.host.loads.empty());
    EXPECT_FALSE(u.c().closed);
    EXPECT_TRUE(u.c().keepOpen);
  }
}

TEST(UserWindow, DoubleClickMakesActiveThenClosesWhateverTheOutcome) {
  Users loads;
  loads.choose("bob");
  loads.model->comboDoubleClick();
  EXPECT_EQ(loads.host.loads, Names{"bob"});
  EXPECT_TRUE(loads.c().closed);

  Users refused;
  refused.model->comboDoubleClick();  // on the active default user
  EXPECT_EQ(refused.messages(), Names{m::kAlreadyActive});
  EXPECT_TRUE(refused.host.loads.empty());
  EXPECT_TRUE(refused.c().closed);
}

// ---- add

TEST(UserWindow, AddCreatesTheProfileListsItAndGivesItAMenuEntryWithoutMakingItActive) {
  Users u;
  u.add("Élise");
  EXPECT_EQ(u.host.profile("Élise.ini"), FakeUserHost::kFreshProfile);
  EXPECT_EQ(u.c().combo.entries, (Names{"bob", "Marie", "Utilisateur par défaut", "Élise"}));
  EXPECT_EQ(u.host.userItems(), (Names{"Utilisateur par défaut", "bob", "Marie", "Élise"}));
  EXPECT_TRUE(u.host.menus.contains("mnuUtilisateur3"));
  EXPECT_EQ(u.host.active, kDefaultUser);
  EXPECT_TRUE(u.host.loads.empty());
  EXPECT_EQ(u.c().label2, "Utilisateur actif: Utilisateur par défaut");
  EXPECT_FALSE(u.c().closed);
  EXPECT_TRUE(u.messages().empty());
}

// Blanks around a name are no part of it: "Paul " would be a second Paul
// that nobody can tell from the first.
TEST(UserWindow, AddTakesTheNameWithoutTheBlanksAroundIt) {
  Users u;
  u.add("  Jean  Paul\t");
  EXPECT_EQ(u.host.files(), (Names{"bob.ini", "Jean  Paul.ini", "Marie.ini", "parapente.ini"}));
  EXPECT_EQ(u.c().combo.entries.back(), "Jean  Paul");
  EXPECT_EQ(u.c().combo.text, "Jean  Paul");
  EXPECT_EQ(u.host.userItems().back(), "Jean  Paul");

  u.add(" marie ");
  EXPECT_EQ(u.messages(), Names{m::kAlreadyListed});
}

TEST(UserWindow, AddRefusesABadNameAndChangesNothing) {
  struct Case {
    std::string typed;
    std::string message;
  };
  const Case cases[] = {
      {"", m::kEnterName},
      {"   ", m::kEnterName},
      {"MARIE", m::kAlreadyListed},
      {"utilisateur par défaut", m::kAlreadyListed},
      {"PARAPENTE", m::kReserved},
      {"Jean D.", "Les caractères suivants sont interdits :\n\\ / : * . ? \" < > |"},
      {"Jean\nPaul", m::kControlCharacters},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE("typed \"" + k.typed + "\"");
    Users u;
    const MenuBar menus = u.host.menus;
    u.add(k.typed);
    EXPECT_EQ(u.messages(), Names{k.message});
    EXPECT_EQ(u.host.files(), (Names{"bob.ini", "Marie.ini", "parapente.ini"}));
    EXPECT_EQ(u.c().combo.entries, (Names{"bob", "Marie", "Utilisateur par défaut"}));
    EXPECT_EQ(u.host.menus.order(), menus.order());
    // Only an empty name sends the user back to the combo.
    EXPECT_EQ(u.c().focus, k.message == m::kEnterName ? "Combo" : "");
    u.type("P");
    EXPECT_EQ(u.c().focus, "") << "a focus request lasts one event";
  }
}

// The list is read when the window opens; a profile made since, or one the
// list shows under another name, is still taken.
TEST(UserWindow, AddRefusesTheNameOfAnyProfileOnDiskWhateverItsCase) {
  Users u;
  u.host.folder.write("PAUL.INI", "x");
  u.add("paul");
  EXPECT_EQ(u.messages(), Names{m::kAlreadyListed});
  EXPECT_EQ(u.host.profile("PAUL.INI"), "x");
  EXPECT_EQ(u.host.userItems().size(), 3u);
}

TEST(UserWindow, AddWhoseProfileCannotBeWrittenLeavesListAndMenuAlone) {
  Users u;
  u.host.writable = false;
  u.add("Paul");
  EXPECT_EQ(u.messages(), Names{FakeUserHost::kWriteFailed});
  EXPECT_EQ(u.c().combo.entries.size(), 3u);
  EXPECT_EQ(u.host.userItems().size(), 3u);
}

// ---- reset

TEST(UserWindow, ResetOfAnotherUserRewritesHisProfileAndReloadsNothing) {
  Users u("Marie");
  u.choose("Utilisateur par défaut");
  u.model->cReinitialiserClick();
  EXPECT_EQ(u.host.profile("parapente.ini"), FakeUserHost::kFreshProfile);
  EXPECT_EQ(u.host.profile("Marie.ini"), FakeUserHost::kUsedProfile);
  EXPECT_EQ(u.host.profile("bob.ini"), FakeUserHost::kUsedProfile);
  EXPECT_TRUE(u.host.loads.empty());
  EXPECT_EQ(u.host.active, "Marie");
  EXPECT_TRUE(u.c().keepOpen);
  EXPECT_FALSE(u.c().closed);
  EXPECT_TRUE(u.messages().empty());
}

TEST(UserWindow, ResetOfTheActiveUserReloadsHisFreshProfileAndStaysOpen) {
  Users u("marie");
  u.model->cReinitialiserClick();  // Marie is selected at opening
  EXPECT_EQ(u.host.profile("Marie.ini"), FakeUserHost::kFreshProfile);
  EXPECT_EQ(u.host.loads, Names{"Marie"});
  EXPECT_FALSE(u.c().keepOpen);
  EXPECT_FALSE(u.c().closed);
}

TEST(UserWindow, ResetWithoutSelectionOrWrittenProfileDoesNothingMore) {
  Users none;
  none.type("bob");
  none.model->cReinitialiserClick();
  EXPECT_EQ(none.messages(), Names{m::kSelectUser});
  EXPECT_EQ(none.host.profile("bob.ini"), FakeUserHost::kUsedProfile);

  Users unwritable;
  unwritable.host.writable = false;
  unwritable.model->cReinitialiserClick();  // the active default user
  EXPECT_EQ(unwritable.messages(), Names{FakeUserHost::kWriteFailed});
  EXPECT_TRUE(unwritable.host.loads.empty());
  EXPECT_TRUE(unwritable.c().keepOpen);
}

// ---- delete

TEST(UserWindow, DeleteRemovesTheProfileTheEntryAndTheMenuItem) {
  Users u;
  u.choose("Marie");
  u.model->cSupprimerClick();
  EXPECT_EQ(u.host.files(), (Names{"bob.ini", "parapente.ini"}));
  EXPECT_EQ(u.c().combo.entries, (Names{"bob", "Utilisateur par défaut"}));
  EXPECT_EQ(u.c().combo.selected, std::nullopt);
  EXPECT_EQ(u.c().combo.text, "");
  EXPECT_EQ(u.host.userItems(), (Names{"Utilisateur par défaut", "bob"}));
  EXPECT_TRUE(u.messages().empty());
  EXPECT_FALSE(u.c().closed);
}

TEST(UserWindow, DeleteFindsTheProfileWhateverTheCaseOfItsFileName) {
  Users u(kDefaultUser, {"parapente.ini", "BOB.Ini"});
  u.choose("BOB");
  u.model->cSupprimerClick();
  EXPECT_EQ(u.host.files(), Names{"parapente.ini"});
  EXPECT_EQ(u.host.userItems(), Names{"Utilisateur par défaut"});
}

TEST(UserWindow, DeleteOfAProfileAlreadyGoneIsNotReported) {
  Users u;
  std::filesystem::remove(u.host.folder.path() / "bob.ini");
  u.choose("bob");
  u.model->cSupprimerClick();
  EXPECT_TRUE(u.messages().empty());
  EXPECT_EQ(u.c().combo.entries, (Names{"Marie", "Utilisateur par défaut"}));
  EXPECT_EQ(u.host.userItems(), (Names{"Utilisateur par défaut", "Marie"}));
}

TEST(UserWindow, DeleteIsRefusedForTheActiveUserTheDefaultUserOrNoSelection) {
  struct Case {
    std::string active;
    std::optional<std::string> chosen;
    std::string message;
  };
  for (const Case& k : {Case{"marie", "Marie", m::kCannotDelete}, Case{"Marie", "Utilisateur par défaut", m::kCannotDelete},
                        Case{kDefaultUser, "Utilisateur par défaut", m::kCannotDelete},
                        Case{kDefaultUser, std::nullopt, m::kSelectUser}}) {
    SCOPED_TRACE(k.message + " with " + k.active);
    Users u(k.active);
    if (k.chosen) {
      u.choose(*k.chosen);
    } else {
      u.type("bob");
    }
    u.model->cSupprimerClick();
    EXPECT_EQ(u.messages(), Names{k.message});
    EXPECT_EQ(u.host.files(), (Names{"bob.ini", "Marie.ini", "parapente.ini"}));
    EXPECT_EQ(u.c().combo.entries.size(), 3u);
    EXPECT_EQ(u.host.userItems().size(), 3u);
  }
}

TEST(UserWindow, AProfileThatCannotBeDeletedStaysListedAndSaysSo) {
  Users u;
  u.host.deletable = false;
  u.choose("bob");
  u.model->cSupprimerClick();
  EXPECT_EQ(u.messages(), Names{"Le profil de l'utilisateur bob n'a pas pu être supprimé."});
  EXPECT_EQ(u.c().combo.entries.size(), 3u);
  EXPECT_EQ(u.host.userItems().size(), 3u);
}

TEST(UserWindow, AddDeleteAddLeavesOneMenuEntry) {
  Users u;
  u.add("Paul");
  u.choose("Paul");
  u.model->cSupprimerClick();
  u.add("paul");
  EXPECT_EQ(u.host.userItems(), (Names{"Utilisateur par défaut", "bob", "Marie", "paul"}));
  EXPECT_EQ(u.c().combo.entries, (Names{"bob", "Marie", "Utilisateur par défaut", "paul"}));
  EXPECT_EQ(u.host.files(), (Names{"bob.ini", "Marie.ini", "parapente.ini", "paul.ini"}));
  EXPECT_TRUE(u.messages().empty());
}

// ---- closing

TEST(UserWindow, OKCloses) {
  Users u;
  u.model->cOKClick();
  EXPECT_TRUE(u.c().closed);
}

TEST(UserWindow, LosingActivationClosesUnlessAReloadHappenedUntilCActifHasTheFocus) {
  Users u("bob");
  u.model->cReinitialiserClick();  // bob's reset reloads him
  u.model->deactivated();
  EXPECT_FALSE(u.c().closed);
  u.model->cActifFocused();
  EXPECT_TRUE(u.c().keepOpen);
  u.model->deactivated();
  EXPECT_TRUE(u.c().closed);
}

TEST(UserWindow, ItsOwnMessageBoxesDoNotCloseIt) {
  Users u;
  u.dialogs.whileShown = [&] { u.model->deactivated(); };
  u.add("Jean D.");
  u.choose("Utilisateur par défaut");
  u.model->cSupprimerClick();
  u.host.writable = false;
  u.add("Paul");  // the host's message
  EXPECT_EQ(u.messages(), (Names{m::kForbiddenCharacters, m::kCannotDelete, FakeUserHost::kWriteFailed}));
  EXPECT_FALSE(u.c().closed);

  u.model->deactivated();
  EXPECT_TRUE(u.c().closed);
}

}  // namespace
}  // namespace ventelle
