// The user-management window draws its model and forwards the user's
// actions to it.
#include "qt/profile/user_window.h"

#include "fakes/fake_user_host.h"
#include "qt/shell_checks.h"

namespace ventelle {

// Each button, the list, the text and the window's own events reach the
// model, and the window shows the model's combo after each.
TEST(UserWindow, TheButtonsTheListTheTextAndTheWindowsEventsReachTheModel) {
  RecordingDialogs dialogs;
  FakeUserHost host(dialogs);
  host.addProfiles({"parapente.ini", "Marie.ini", "bob.ini"});
  UserManagement model{host, dialogs};
  UserWindow window{model};
  window.show();
  auto* list = findControl<QListWidget>(window, "ComboList");
  auto* text = findControl<QLineEdit>(window, "ComboText");
  const auto click = [&window](const char* name) { QTest::mouseClick(findControl(window, name), Qt::LeftButton); };
  const auto send = [](QWidget* to, QEvent::Type type) { QEvent event(type); QApplication::sendEvent(to, &event); };
  const auto shown = [&] {
    std::string entries = text->text().toStdString() + "|" + std::to_string(list->currentRow());
    for (int i = 0; i < list->count(); ++i) entries += "|" + list->item(i)->text().toStdString();
    return entries;
  };
  const auto modelCombo = [&model] {
    const UserCombo& c = model.controls().combo;
    std::string entries = c.text + "|" + std::to_string(c.selected ? static_cast<int>(*c.selected) : -1);
    for (const std::string& entry : c.entries) entries += "|" + entry;
    return entries;
  };
  EXPECT_EQ(shown(), modelCombo());
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
  EXPECT_EQ(shown(), modelCombo());
  click("CReinitialiser");
  EXPECT_EQ(host.profile("bob.ini"), FakeUserHost::kFreshProfile);
  click("CSupprimer");
  EXPECT_FALSE(host.profile("bob.ini"));
  text->setFocus();
  const std::size_t boxes = dialogs.shown.size();
  QTest::keyClicks(text, "Zo");
  QTest::sendKeyEvent(QTest::Click, text, Qt::Key_Eacute, "é", Qt::NoModifier);
  QTest::keyClick(text, Qt::Key_Return);  // Enter in the text presses no button
  EXPECT_TRUE(host.loads.empty() && !host.profile("Zoé.ini") && dialogs.shown.size() == boxes && window.isVisible());
  click("CAjouter");
  EXPECT_EQ(host.profile("Zoé.ini"), FakeUserHost::kFreshProfile);
  EXPECT_EQ(shown(), modelCombo());
  EXPECT_EQ(findControl<QLabel>(window, "Label2")->text().toStdString(), model.controls().label2);
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());  // a click, then the press that makes it double
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
  EXPECT_EQ(host.loads, std::vector<std::string>{"Marie"});
  EXPECT_FALSE(window.isVisible());

  UserManagement again{host, dialogs};  // the active user reloaded: deactivation closes only once CActif has had the focus
  UserWindow reloaded{again};
  reloaded.show();
  QTest::mouseClick(findControl(reloaded, "CReinitialiser"), Qt::LeftButton);
  send(&reloaded, QEvent::WindowDeactivate);
  EXPECT_TRUE(reloaded.isVisible());
  send(findControl(reloaded, "CActif"), QEvent::FocusIn);
  send(&reloaded, QEvent::WindowDeactivate);
  EXPECT_FALSE(reloaded.isVisible());
}

}  // namespace ventelle
