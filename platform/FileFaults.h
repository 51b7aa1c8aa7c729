#pragma once
// The seam through which the test stand-in (platform/testing) makes chosen file operations
// fail. The program itself never installs a hook; with none installed every call is a
// single null check.
#include <cstddef>
#include <string_view>

namespace platform {

enum class FileOperation { OpenRead, OpenWrite, Read, Write, Copy, Delete };

class FileFaultHook {
 public:
  virtual ~FileFaultHook() = default;
  // Called before each operation. Return an errno value to make it fail, 0 to let it run.
  // For Write, `*allowedBytes` may be lowered to make the write short (it then fails with
  // ENOSPC after writing that many bytes).
  virtual int Before(FileOperation operation, std::string_view path, std::size_t* allowedBytes) = 0;
};

// Installs the hook (nullptr removes it); returns the previous one.
FileFaultHook* SetFileFaultHook(FileFaultHook* hook);
FileFaultHook* CurrentFileFaultHook();

}  // namespace platform
