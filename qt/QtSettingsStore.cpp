#include "qt/QtSettingsStore.h"

#include <QByteArray>
#include <QSettings>
#include <QVariant>
#include <cerrno>

namespace {

constexpr const char* kOrganisation = "Quorrin";
constexpr const char* kApplication = "SongMelvane";
constexpr const char* kPathKey = "Settings/MelvanePath";

platform::Status StatusOf(QSettings::Status status) {
  switch (status) {
    case QSettings::NoError:
      return platform::kOk;
    case QSettings::AccessError:
      return platform::StatusFromErrno(EACCES);
    case QSettings::FormatError:
      return platform::StatusFromErrno(EINVAL);
  }
  return platform::StatusFromErrno(EIO);
}

}  // namespace

platform::Status QtSettingsStore::StorePath(const std::string& path) {
  QSettings settings(QSettings::NativeFormat, QSettings::UserScope, kOrganisation, kApplication);
  QVariant previous = settings.value(kPathKey);
  settings.setValue(kPathKey, QByteArray(path.data(), static_cast<qsizetype>(path.size())));
  settings.sync();
  platform::Status status = StatusOf(settings.status());
  if (status != platform::kOk) {
    // Qt keeps unwritten values for the rest of the process; a store that failed must not be
    // read back by the next load.
    if (previous.isValid()) {
      settings.setValue(kPathKey, previous);
    } else {
      settings.remove(kPathKey);
    }
  }
  return status;
}

platform::Status QtSettingsStore::LoadPath(std::string& path) {
  QSettings settings(QSettings::NativeFormat, QSettings::UserScope, kOrganisation, kApplication);
  if (settings.status() != QSettings::NoError) return StatusOf(settings.status());
  QVariant value = settings.value(kPathKey);
  if (!value.isValid()) return platform::StatusFromErrno(ENOENT);
  // A value written by hand as plain text reads as its UTF-8 bytes.
  QByteArray bytes = value.toByteArray();
  path.assign(bytes.constData(), static_cast<std::size_t>(bytes.size()));
  return platform::kOk;
}
