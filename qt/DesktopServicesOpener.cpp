#include "qt/DesktopServicesOpener.h"

#include <QByteArray>
#include <QDesktopServices>
#include <QFile>
#include <QUrl>

#include "platform/AbsolutePath.h"

namespace {

bool IsWebAddress(const std::string& target) {
  return target.starts_with("http://") || target.starts_with("https://");
}

}  // namespace

void OpenWithDesktopServices(const platform::ShellOpenRequest& request) {
  if (IsWebAddress(request.target)) {
    QDesktopServices::openUrl(
        QUrl(QString::fromUtf8(request.target.data(), static_cast<qsizetype>(request.target.size()))));
    return;
  }
  QByteArray path = QByteArray::fromStdString(platform::MakeAbsolutePath(request.target));
  QString name = QFile::decodeName(path);
  if (QFile::encodeName(name) != path) {
    platform::OpenWithDesktopOpener(request);
    return;
  }
  QDesktopServices::openUrl(QUrl::fromLocalFile(name));
}
