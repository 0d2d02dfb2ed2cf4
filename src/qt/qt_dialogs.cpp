#include "qt/qt_dialogs.h"

#include <QInputDialog>
#include <QMessageBox>

namespace ventelle {

void QtDialogs::message(MessageIcon icon, const std::string& title, const std::string& text) {
  const auto qIcon = icon == MessageIcon::Exclamation   ? QMessageBox::Warning
                     : icon == MessageIcon::Information ? QMessageBox::Information
                                                        : QMessageBox::Critical;
  QMessageBox box(qIcon, title.empty() ? QStringLiteral("Ventelle") : QString::fromStdString(title),
                  QString::fromStdString(text), QMessageBox::Ok, parent_);
  box.exec();
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
