// The user-management window draws its model and forwards the user's
// actions to it.
#include "qt/profile/user_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "fakes/fake_user_host.h"
#include "fakes/recording_dialogs.h"
#include "qt/find_child.h"

namespace ventelle {
namespace {

// Message boxes that take the activation away from the window while they
// show, as real ones do.
class DeactivatingDialogs : public RecordingDialogs {
 public:
  void message(MessageIcon icon, const std::string& title, const std::string& text) override {
    RecordingDialogs::message(icon, title, text);
    if (window) {
      QEvent deactivate(QEvent::WindowDeactivate);
      QApplication::sendEvent(window, &deactivate);
    }
  }
  QWidget* window = nullptr;
};

struct Profiles {
  explicit Profiles(Dialogs& dialogs) : host(dialogs) {
    host.addProfiles({"parapente.ini", "Marie.ini", "bob.ini"});
  }
  FakeUserHost host;
};

class UserWindowShellTest : public ::testing::Test {
 protected:
  UserWindowShellTest() { window.show(); }

  template <typename T>
  T* child(const char* name) {
    return findControl<T>(window, name);
  }
  QStringList listed() {
    QStringList items;
    auto* list = child<QListWidget>("ComboList");
    for (int i = 0; i < list->count(); ++i) items << list->item(i)->text();
    return items;
  }
  QPoint entryCentre(int row) {
    auto* list = child<QListWidget>("ComboList");
    return list->visualItemRect(list->item(row)).center();
  }
  void clickEntry(int row) {
    QTest::mouseClick(child<QListWidget>("ComboList")->viewport(), Qt::LeftButton, {}, entryCentre(row));
  }
  void click(const char* name) { QTest::mouseClick(child<QPushButton>(name), Qt::LeftButton); }
  void deactivate() {
    QEvent event(QEvent::WindowDeactivate);
    QApplication::sendEvent(&window, &event);
  }

  DeactivatingDialogs dialogs;
  Profiles profiles{dialogs};
  FakeUserHost& host = profiles.host;
  UserManagement model{host, dialogs};
  UserWindow window{model};
};

TEST_F(UserWindowShellTest, OpensCentredWithEveryControlUnderItsName) {
  EXPECT_EQ(window.objectName(), QStringLiteral("FrmUtilisateur"));
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Gestion des Utilisateurs"));
  EXPECT_FALSE(window.isModal());
  const QRect screen = window.screen()->geometry();
  EXPECT_EQ(window.pos(), QPoint((screen.width() - window.width()) / 2, (screen.height() - window.height()) / 2));
  const std::pair<const char*, QString> buttons[] = {
      {"CActif", QStringLiteral("Utilisateur sélectionné actif ?")},
      {"CAjouter", QStringLiteral("Ajouter un utilisateur")},
      {"CReinitialiser", QStringLiteral("Réinitialiser un utilisateur")},
      {"CSupprimer", QStringLiteral("Supprimer un utilisateur")},
      {"COK", QStringLiteral("OK")},
  };
  for (const auto& [name, caption] : buttons) {
    auto* button = child<QPushButton>(name);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text(), caption) << name;
    EXPECT_TRUE(button->isVisibleTo(&window)) << name;
  }
  EXPECT_NE(child<QWidget>("Combo"), nullptr);
  EXPECT_EQ(child<QLabel>("Label2")->text(), QStringLiteral("Utilisateur actif: Utilisateur par défaut"));
  EXPECT_EQ(child<QLineEdit>("ComboText")->text(), QStringLiteral("Utilisateur par défaut"));
  EXPECT_EQ(listed(), (QStringList{"bob", "Marie", "Utilisateur par défaut"}));
  EXPECT_EQ(child<QListWidget>("ComboList")->currentRow(), 2);
}

TEST_F(UserWindowShellTest, AChosenEntryAndCActifLoadTheUserAndClose) {
  clickEntry(1);
  EXPECT_EQ(model.controls().combo.selected, 1u);
  EXPECT_EQ(child<QLineEdit>("ComboText")->text(), QStringLiteral("Marie"));
  click("CActif");
  EXPECT_EQ(host.loads, std::vector<std::string>{"Marie"});
  EXPECT_FALSE(window.isVisible());
}

TEST_F(UserWindowShellTest, ADoubleClickedEntryBecomesActiveAndTheWindowCloses) {
  // A double-click: a click, then the second press that makes it double.
  clickEntry(0);
  QTest::mouseDClick(child<QListWidget>("ComboList")->viewport(), Qt::LeftButton, {}, entryCentre(0));
  EXPECT_EQ(host.loads, std::vector<std::string>{"bob"});
  EXPECT_FALSE(window.isVisible());
}

TEST_F(UserWindowShellTest, ATypedNameIsAddedToTheListAndTheMenu) {
  auto* text = child<QLineEdit>("ComboText");
  text->clear();
  QTest::keyClicks(text, "Zo");
  QTest::sendKeyEvent(QTest::Click, text, Qt::Key_Eacute, QStringLiteral("é"), Qt::NoModifier);
  EXPECT_EQ(child<QListWidget>("ComboList")->currentRow(), -1);
  click("CAjouter");
  EXPECT_EQ(listed(), (QStringList{"bob", "Marie", "Utilisateur par défaut", "Zoé"}));
  EXPECT_EQ(host.profile("Zoé.ini"), FakeUserHost::kFreshProfile);
  EXPECT_EQ(host.userItems().back(), "Zoé");
  EXPECT_TRUE(window.isVisible());
}

TEST_F(UserWindowShellTest, ResetAndDeleteReachTheModel) {
  clickEntry(0);
  click("CReinitialiser");
  EXPECT_EQ(host.profile("bob.ini"), FakeUserHost::kFreshProfile);
  click("CSupprimer");
  EXPECT_EQ(listed(), (QStringList{"Marie", "Utilisateur par défaut"}));
  EXPECT_EQ(child<QLineEdit>("ComboText")->text(), QString());
  EXPECT_FALSE(host.profile("bob.ini"));
}

TEST_F(UserWindowShellTest, LosingActivationClosesTheWindowButNotUnderItsOwnMessage) {
  dialogs.window = &window;
  click("CSupprimer");  // on the default user
  EXPECT_EQ(dialogs.shown.size(), 1u);
  EXPECT_TRUE(window.isVisible());

  deactivate();
  EXPECT_FALSE(window.isVisible());
}

TEST_F(UserWindowShellTest, AfterAReloadOnlyTheFocusOnCActifLetsDeactivationCloseAgain) {
  click("CReinitialiser");  // the active default user: reloaded
  EXPECT_EQ(host.loads, std::vector<std::string>{"parapente"});
  deactivate();
  EXPECT_TRUE(window.isVisible());

  QFocusEvent focus(QEvent::FocusIn, Qt::TabFocusReason);
  QApplication::sendEvent(child<QPushButton>("CActif"), &focus);
  deactivate();
  EXPECT_FALSE(window.isVisible());
}

TEST_F(UserWindowShellTest, EscapeClosesLikeOK) {
  QTest::keyClick(&window, Qt::Key_Escape);
  EXPECT_TRUE(model.controls().closed);
  EXPECT_FALSE(window.isVisible());
}

TEST_F(UserWindowShellTest, EventsRunThroughTheMainWindowsRunner) {
  int runs = 0;
  UserManagement other(host, dialogs);
  UserWindow shown(other, [&](const std::function<void()>& event) {
    ++runs;
    event();
  });
  QTest::mouseClick(findControl<QPushButton>(shown, "COK"), Qt::LeftButton);
  EXPECT_EQ(runs, 1);
  EXPECT_TRUE(other.controls().closed);
}

TEST(OpenUserWindow, OpensOneWindowOverTheMainWindowThatGoesAwayWhenClosed) {
  RecordingDialogs dialogs;
  Profiles profiles(dialogs);
  QWidget mainWindow;
  mainWindow.show();

  QPointer<UserWindow> window = openUserWindow(profiles.host, &mainWindow);
  ASSERT_TRUE(window);
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->parent(), &mainWindow);
  EXPECT_EQ(findControl<QListWidget>(*window, "ComboList")->count(), 3);
  EXPECT_EQ(openUserWindow(profiles.host, &mainWindow), window.data());

  QTest::mouseClick(findControl<QPushButton>(*window, "COK"), Qt::LeftButton);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(window);
}

}  // namespace
}  // namespace ventelle
