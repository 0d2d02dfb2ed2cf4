#include "qt/services/qt_desktop.h"

#include <QDesktopServices>
#include <QUrl>

#include "ui/help/links.h"

namespace ventelle {

// Only a web page or a mail: never a local file or a program.
bool QtDesktop::openAddress(const std::string& address) {
  if (!isOpenableAddress(address)) return false;
  const QUrl url(QString::fromStdString(address));
  const QString scheme = url.scheme();
  if (scheme != QLatin1String("http") && scheme != QLatin1String("https") && scheme != QLatin1String("mailto"))
    return false;
  return QDesktopServices::openUrl(url);
}

bool QtDesktop::openTextFile(const std::filesystem::path& file) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(file.string())));
}

}  // namespace ventelle
