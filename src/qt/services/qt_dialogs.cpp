#include "qt/services/qt_dialogs.h"

#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace ventelle {
namespace {

QMessageBox::Icon iconOf(MessageIcon icon) {
  return icon == MessageIcon::Exclamation   ? QMessageBox::Warning
         : icon == MessageIcon::Information ? QMessageBox::Information
                                            : QMessageBox::Critical;
}

QString titleOf(const std::string& title) {
  return title.empty() ? QStringLiteral("Ventelle") : QString::fromStdString(title);
}

}  // namespace

void QtDialogs::message(MessageIcon icon, const std::string& title, const std::string& text) {
  QMessageBox box(iconOf(icon), titleOf(title), QString::fromStdString(text), QMessageBox::Ok, parent_);
  box.exec();
}

bool QtDialogs::messageWithButton(MessageIcon icon, const std::string& title, const std::string& text,
                                  const std::string& button) {
  QMessageBox box(iconOf(icon), titleOf(title), QString::fromStdString(text), QMessageBox::Ok, parent_);
  QPushButton* other = box.addButton(QString::fromStdString(button), QMessageBox::ActionRole);
  box.setDefaultButton(QMessageBox::Ok);
  box.exec();
  return box.clickedButton() == other;
}

std::optional<std::string> QtDialogs::input(const std::string& title, const std::string& prompt,
                                            const std::string& defaultText) {
  QInputDialog box(parent_);
  box.setWindowTitle(QString::fromStdString(title));
  box.setLabelText(QString::fromStdString(prompt));
  box.setTextValue(QString::fromStdString(defaultText));
  if (box.exec() != QDialog::Accepted) return std::nullopt;
  return box.textValue().toStdString();
}

}  // namespace ventelle
