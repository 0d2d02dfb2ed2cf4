#pragma once
#include <QDialog>
#include <functional>

#include "ui/profile/user_management.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace ventelle {

// Runs one event of a window's model. The main window passes its own, which
// redraws the main window afterwards and ends the program on a damaged bank.
using EventRunner = std::function<void(const std::function<void()>&)>;

// The user-management window FrmUtilisateur: draws its model and forwards
// the user's actions to it. It holds no rule of its own.
//
// Its combo is a text over a list that is always shown, so that an entry can
// be double-clicked: the widget "Combo" holds the line edit "ComboText" and
// the list "ComboList".
//
// The window tells its model when it loses activation, and the model closes
// it unless the deactivation happened inside one of its own events: a message
// box shown by the window, or by the main window on its behalf, takes the
// activation away while the event that shows it is still running.
class UserWindow : public QDialog {
  Q_OBJECT
 public:
  explicit UserWindow(UserManagement& model, EventRunner run = {}, QWidget* parent = nullptr);

  // Draws every control from the model; closes the window once the model is
  // closed.
  void render();

 public slots:
  // Escape and the title bar's close button: as COK.
  void reject() override;

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildCombo();
  QPushButton* addButton(const char* name, const std::string& caption, const QRect& place,
                         void (UserManagement::*click)());
  void act(const std::function<void()>& event);
  void renderCombo();

  UserManagement& model_;
  EventRunner run_;
  QLineEdit* text_ = nullptr;
  QListWidget* list_ = nullptr;
  QLabel* label2_ = nullptr;
  QPushButton* cActif_ = nullptr;
};

// Opens FrmUtilisateur over the main window, not modal, with a model of its
// own whose messages are boxes over the window; brings it to the front when
// it is already open. The window deletes itself, model included, once
// closed.
UserWindow* openUserWindow(UserHost& host, QWidget* mainWindow, EventRunner run = {});

}  // namespace ventelle
