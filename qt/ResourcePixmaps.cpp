#include "qt/ResourcePixmaps.h"

#include <QString>

#include "resources/ResourceIds.h"
#include "resources/ResourceImages.h"

namespace {

QString ImagePath(int imageId) {
  std::string_view name = ResourceImageFileName(imageId);
  if (name.empty()) return {};
  return QStringLiteral(":/images/") + QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

}  // namespace

QPixmap LoadResourcePixmap(int imageId) {
  QString path = ImagePath(imageId);
  return path.isEmpty() ? QPixmap() : QPixmap(path);
}

QIcon LoadResourceIcon(int imageId) {
  if (imageId != kAppIconId) {
    QString path = ImagePath(imageId);
    return path.isEmpty() ? QIcon() : QIcon(path);
  }
  QIcon icon;
  for (int size : {16, 32, 48, 64, 128, 256}) {
    icon.addFile(QStringLiteral(":/images/melvane-%1.png").arg(size), QSize(size, size));
  }
  return icon;
}
