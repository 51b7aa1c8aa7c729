#include "platform/testing/MemorySettingsStore.h"

#include <cerrno>

namespace platform::testing {

Status MemorySettingsStore::StorePath(const std::string& path) {
  ++storeCount;
  if (storeFailure != 0) return storeFailure;
  value = path;
  return kOk;
}

Status MemorySettingsStore::LoadPath(std::string& path) {
  if (!value) return StatusFromErrno(ENOENT);
  path = *value;
  return kOk;
}

}  // namespace platform::testing
