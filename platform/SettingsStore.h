#pragma once
// The per-user store of the one setting that survives between runs: the path of the song last
// chosen. The window's store keeps it in the desktop's settings; tests use an in-memory one.
// The path's bytes come back exactly as they were stored, whatever their length.
#include <string>

#include "platform/Status.h"

namespace platform {

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;

  // Stores the path, replacing any earlier one. Returns 0, or a failure status.
  virtual Status StorePath(const std::string& path) = 0;

  // Fills `path` with the stored path and returns 0; when there is none or it cannot be read,
  // returns a failure status and leaves `path` as it was.
  virtual Status LoadPath(std::string& path) = 0;
};

}  // namespace platform
