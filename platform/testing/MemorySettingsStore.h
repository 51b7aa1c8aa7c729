#pragma once
// The in-memory settings store for tests: holds the remembered path or nothing, and can be told
// to fail every store.
#include <optional>
#include <string>

#include "platform/SettingsStore.h"

namespace platform::testing {

class MemorySettingsStore : public SettingsStore {
 public:
  // The stored path; nullopt when there is none.
  std::optional<std::string> value;
  // Non-zero: every store fails with this status and changes nothing.
  Status storeFailure = 0;
  int storeCount = 0;  // stores attempted, failed ones included

  Status StorePath(const std::string& path) override;
  Status LoadPath(std::string& path) override;
};

}  // namespace platform::testing
