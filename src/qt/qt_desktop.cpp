#include "qt/qt_desktop.h"

#include <QDesktopServices>
#include <QUrl>

namespace ventelle {

bool QtDesktop::openAddress(const std::string& address) {
  return QDesktopServices::openUrl(QUrl(QString::fromStdString(address)));
}

bool QtDesktop::openTextFile(const std::filesystem::path& file) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(file.string())));
}

}  // namespace ventelle
