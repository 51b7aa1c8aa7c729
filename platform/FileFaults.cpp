#include "platform/FileFaults.h"

namespace platform {
namespace {
FileFaultHook* installedHook = nullptr;
}

FileFaultHook* SetFileFaultHook(FileFaultHook* hook) {
  FileFaultHook* previous = installedHook;
  installedHook = hook;
  return previous;
}

FileFaultHook* CurrentFileFaultHook() { return installedHook; }

}  // namespace platform
