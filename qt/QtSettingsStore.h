#pragma once
// The remembered path in the user's settings (QSettings): organisation "Quorrin", application
// "SongMelvane", key "Settings/MelvanePath". The path is kept as a byte array, so its bytes
// come back exactly, whatever they are and however long.
#include "platform/SettingsStore.h"

class QtSettingsStore : public platform::SettingsStore {
 public:
  // Writes the path and flushes it to disk. A failed write returns a failure status.
  platform::Status StorePath(const std::string& path) override;
  // A missing value or an unreadable store returns a failure status and leaves `path` alone.
  platform::Status LoadPath(std::string& path) override;
};
