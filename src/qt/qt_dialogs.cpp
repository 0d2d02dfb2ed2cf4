#include "qt/qt_dialogs.h"

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

}  // namespace ventelle
