// The user-management window draws its model and forwards the user's
// actions to it.
#include "qt/profile/user_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QScreen>

#include "fakes/fake_user_host.h"
#include "qt/shell_checks.h"

namespace ventelle {
namespace {

struct Profiles {
  explicit Profiles(Dialogs& dialogs) : host(dialogs) { host.addProfiles({"parapente.ini", "Marie.ini", "bob.ini"}); }
  FakeUserHost host;
};

class UserWindowTest : public ::testing::Test {
 protected:
  UserWindowTest() { window.show(); }
  QListWidget* list() { return findControl<QListWidget>(window, "ComboList"); }
  QLineEdit* text() { return findControl<QLineEdit>(window, "ComboText"); }
  QPoint entry(int row) { return list()->visualItemRect(list()->item(row)).center(); }
  void click(const char* name) { QTest::mouseClick(findControl(window, name), Qt::LeftButton); }
  void send(QWidget* to, QEvent::Type type) {
    QEvent event(type);
    QApplication::sendEvent(to, &event);
  }
  // The window shows the model's combo: its text, entries and chosen entry.
  void expectShowsModel(const std::string& when) {
    const UserCombo& combo = model.controls().combo;
    EXPECT_EQ(text()->text().toStdString(), combo.text) << when;
    ASSERT_EQ(list()->count(), static_cast<int>(combo.entries.size())) << when;
    for (int i = 0; i < list()->count(); ++i) EXPECT_EQ(list()->item(i)->text().toStdString(), combo.entries[i]) << when;
    EXPECT_EQ(list()->currentRow(), combo.selected ? static_cast<int>(*combo.selected) : -1) << when;
    EXPECT_EQ(findControl<QLabel>(window, "Label2")->text().toStdString(), model.controls().label2) << when;
  }

  RecordingDialogs dialogs;
  Profiles profiles{dialogs};
  FakeUserHost& host = profiles.host;
  UserManagement model{host, dialogs};
  UserWindow window{model};
};

TEST_F(UserWindowTest, TheButtonsTheListAndTheTextReachTheModelAndTheWindowShowsIt) {
  const QRect screen = window.screen()->geometry();
  EXPECT_EQ(window.pos(), QPoint((screen.width() - window.width()) / 2, (screen.height() - window.height()) / 2));
  expectShowsModel("opened");
  QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, entry(0));
  EXPECT_EQ(model.controls().combo.selected, 0u);
  expectShowsModel("bob chosen");
  click("CReinitialiser");
  EXPECT_EQ(host.profile("bob.ini"), FakeUserHost::kFreshProfile);
  click("CSupprimer");
  EXPECT_FALSE(host.profile("bob.ini"));
  expectShowsModel("bob deleted");
  QTest::keyClicks(text(), "Zo");
  QTest::sendKeyEvent(QTest::Click, text(), Qt::Key_Eacute, "é", Qt::NoModifier);
  QTest::keyClick(text(), Qt::Key_Return);  // Enter in the text presses no button
  EXPECT_TRUE(host.loads.empty() && !host.profile("Zoé.ini"));
  click("CAjouter");
  EXPECT_EQ(host.profile("Zoé.ini"), FakeUserHost::kFreshProfile);
  expectShowsModel("Zoé added");
  QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, entry(0));
  click("CActif");
  EXPECT_EQ(host.loads, std::vector<std::string>{"Marie"});
  EXPECT_FALSE(window.isVisible());
}

TEST_F(UserWindowTest, ADoubleClickedEntryBecomesActiveAndTheWindowCloses) {
  QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, entry(0));
  QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, entry(0));
  EXPECT_EQ(host.loads, std::vector<std::string>{"bob"});
  EXPECT_FALSE(window.isVisible());
}

TEST_F(UserWindowTest, DeactivationTheFocusOnCActifAndEscapeReachTheModel) {
  click("CReinitialiser");  // the active user reloaded: deactivation no longer closes, until CActif has the focus
  send(&window, QEvent::WindowDeactivate);
  EXPECT_TRUE(window.isVisible());
  send(findControl(window, "CActif"), QEvent::FocusIn);
  send(&window, QEvent::WindowDeactivate);
  EXPECT_FALSE(window.isVisible());
  window.show();
  QTest::keyClick(&window, Qt::Key_Escape);
  EXPECT_TRUE(model.controls().closed);
}

TEST(OpenUserWindow, OneWindowOverTheMainWindowRunsItsEventsThroughTheMainWindowAndGoesWhenClosed) {
  RecordingDialogs dialogs;
  FakeUserHost host(dialogs);
  QWidget mainWindow;
  mainWindow.show();
  int runs = 0;
  QPointer<UserWindow> window = openUserWindow(host, &mainWindow, [&runs](const std::function<void()>& event) {
    ++runs;
    event();
  });
  ASSERT_TRUE(window);
  EXPECT_EQ(window->parent(), &mainWindow);
  EXPECT_EQ(openUserWindow(host, &mainWindow), window.data());
  QTest::mouseClick(findControl(*window, "COK"), Qt::LeftButton);
  EXPECT_EQ(runs, 1);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(window);
}

}  // namespace
}  // namespace ventelle
