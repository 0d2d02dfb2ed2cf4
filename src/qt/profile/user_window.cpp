#include "qt/profile/user_window.h"

#include <functional>

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>

#include "qt/services/qt_dialogs.h"
#include "qt/look/accessible_text.h"
#include "qt/look/layout_font.h"

namespace ventelle {
namespace {

constexpr QSize kSize(470, 236);
constexpr int kMargin = 12;
constexpr int kComboWidth = 210;
constexpr int kTextHeight = 26;
constexpr int kButtonWidth = 220;
constexpr int kButtonHeight = 30;
constexpr int kButtonStep = 38;
constexpr int kTop = 40;

QString q(const std::string& text) { return QString::fromStdString(text); }

QRect buttonPlace(int row) {
  return {kSize.width() - kMargin - kButtonWidth, kTop + row * kButtonStep, kButtonWidth, kButtonHeight};
}

// Left = (screen width - window width) / 2, and the same for the top.
QPoint centredOn(const QRect& screen, const QSize& window) {
  return screen.topLeft() + QPoint((screen.width() - window.width()) / 2, (screen.height() - window.height()) / 2);
}

// The window's model and the message boxes it shows, owned by the window.
class UserWindowParts : public QObject {
 public:
  explicit UserWindowParts(UserHost& host) : model(host, dialogs) {}
  QtDialogs dialogs;
  UserManagement model;
};

}  // namespace

UserWindow::UserWindow(UserManagement& model, EventRunner run, QWidget* parent)
    : QDialog(parent), model_(model), run_(std::move(run)) {
  setObjectName(QStringLiteral("FrmUtilisateur"));
  setFont(layoutFont(font()));
  setWindowTitle(q(user_window::kTitle));
  setModal(false);
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setFixedSize(kSize);

  label2_ = new QLabel(this);
  label2_->setObjectName(QStringLiteral("Label2"));
  label2_->setTextFormat(Qt::PlainText);
  label2_->setGeometry(kMargin, kMargin, kSize.width() - 2 * kMargin, 20);
  buildCombo();

  cActif_ = addButton("CActif", user_window::kCActif, buttonPlace(0), &UserManagement::cActifClick);
  cActif_->installEventFilter(this);
  addButton("CAjouter", user_window::kCAjouter, buttonPlace(1), &UserManagement::cAjouterClick);
  addButton("CReinitialiser", user_window::kCReinitialiser, buttonPlace(2), &UserManagement::cReinitialiserClick);
  addButton("CSupprimer", user_window::kCSupprimer, buttonPlace(3), &UserManagement::cSupprimerClick);
  const QRect okPlace(kSize.width() - kMargin - 100, kSize.height() - kMargin - kButtonHeight, 100, kButtonHeight);
  addButton("COK", user_window::kCOK, okPlace, &UserManagement::cOKClick);

  if (const QScreen* shown = screen()) move(centredOn(shown->geometry(), size()));
  render();
}

void UserWindow::buildCombo() {
  auto* combo = new QWidget(this);
  combo->setObjectName(QStringLiteral("Combo"));
  combo->setGeometry(kMargin, kTop, kComboWidth, kSize.height() - kTop - kMargin);
  text_ = new QLineEdit(combo);
  text_->setObjectName(QStringLiteral("ComboText"));
  text_->setGeometry(0, 0, kComboWidth, kTextHeight);
  list_ = new QListWidget(combo);
  list_->setObjectName(QStringLiteral("ComboList"));
  list_->setGeometry(0, kTextHeight + 2, kComboWidth, combo->height() - kTextHeight - 2);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);

  connect(text_, &QLineEdit::textEdited, this,
          [this](const QString& text) { act([this, text] { model_.comboTextEdited(text.toStdString()); }); });
  // Only the user moves the list's current row: rendering blocks its signals.
  connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row >= 0) act([this, row] { model_.comboEntryChosen(static_cast<std::size_t>(row)); });
  });
  connect(list_, &QListWidget::itemDoubleClicked, this, [this] { act([this] { model_.comboDoubleClick(); }); });
}

QPushButton* UserWindow::addButton(const char* name, const std::string& caption, const QRect& place,
                                   void (UserManagement::*click)()) {
  auto* button = new QPushButton(q(caption), this);
  button->setObjectName(QString::fromLatin1(name));
  button->setGeometry(place);
  // Enter in the combo must not press a button behind the user's back.
  button->setAutoDefault(false);
  // A bound call: a lambda nested in this one, capturing the member pointer,
  // read a wrong object under GCC 12 with the sanitizers.
  const std::function<void()> event = std::bind(click, &model_);
  connect(button, &QPushButton::clicked, this, [this, event] { act(event); });
  return button;
}

void UserWindow::act(const std::function<void()>& event) {
  if (run_) {
    run_(event);
  } else {
    event();
  }
  render();
}

void UserWindow::render() {
  const UserWindowControls& c = model_.controls();
  label2_->setText(q(c.label2));
  renderCombo();
  const AccessibleTexts texts = userWindowAccessibleTexts(c);
  for (QWidget* widget : findChildren<QWidget*>()) {
    const auto found = texts.find(widget->objectName().toStdString());
    if (found != texts.end()) setAccessibleText(*widget, found->second);
  }
  if (c.focus == "Combo") text_->setFocus();
  if (c.closed && isVisible()) done(QDialog::Accepted);
}

void UserWindow::renderCombo() {
  const UserCombo& combo = model_.controls().combo;
  if (text_->text() != q(combo.text)) text_->setText(q(combo.text));
  const QSignalBlocker blocker(list_);
  bool same = list_->count() == static_cast<int>(combo.entries.size());
  for (int i = 0; same && i < list_->count(); ++i) same = list_->item(i)->text() == q(combo.entries[i]);
  if (!same) {
    list_->clear();
    for (const auto& entry : combo.entries) list_->addItem(q(entry));
  }
  list_->setCurrentRow(combo.selected ? static_cast<int>(*combo.selected) : -1);
  if (!combo.selected) list_->clearSelection();
}

void UserWindow::reject() {
  act([this] { model_.cOKClick(); });
}

bool UserWindow::event(QEvent* event) {
  if (event->type() == QEvent::WindowDeactivate && isVisible()) act([this] { model_.deactivated(); });
  return QDialog::event(event);
}

bool UserWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == cActif_ && event->type() == QEvent::FocusIn) model_.cActifFocused();
  return QDialog::eventFilter(watched, event);
}

UserWindow* openUserWindow(UserHost& host, QWidget* mainWindow, EventRunner run) {
  if (mainWindow) {
    for (auto* open : mainWindow->findChildren<UserWindow*>(QString(), Qt::FindDirectChildrenOnly)) {
      if (!open->isVisible()) continue;
      open->raise();
      open->activateWindow();
      return open;
    }
  }
  auto* parts = new UserWindowParts(host);
  auto* window = new UserWindow(parts->model, std::move(run), mainWindow);
  // Deleted with the window, after its widgets.
  parts->setParent(window);
  parts->dialogs.setParent(window);
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->show();
  return window;
}

}  // namespace ventelle
