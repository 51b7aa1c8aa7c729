#pragma once
// Files as the Windows design opens them: every open shares the file for reading only, so a
// file open for reading cannot be opened for writing (and is not truncated by the attempt),
// and a file open for writing cannot be opened again at all. Only regular files open: a
// folder, FIFO or device fails like a missing file, and no open ever blocks.
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/Status.h"

namespace platform {

// An open file of this process; default-constructed means "none" (the null handle).
class FileHandle {
 public:
  FileHandle() = default;
  explicit FileHandle(std::intptr_t value) : value_(value) {}
  bool IsOpen() const { return value_ >= 0; }
  explicit operator bool() const { return IsOpen(); }
  std::intptr_t Value() const { return value_; }
  friend bool operator==(const FileHandle&, const FileHandle&) = default;

 private:
  std::intptr_t value_ = -1;
};

// Opens an existing regular file for reading (CreateFileA, OPEN_EXISTING, GENERIC_READ,
// FILE_SHARE_READ). Fails with kSharingViolation when this process holds it open for writing.
Status OpenExistingForReading(const std::string& path, FileHandle& handle);

// Creates the file or truncates an existing one, for reading and writing (CREATE_ALWAYS,
// FILE_SHARE_READ). A file that is open elsewhere fails with kSharingViolation and keeps its
// bytes: the check happens before the truncation.
Status CreateAlwaysForWriting(const std::string& path, FileHandle& handle);

// Reads up to `wanted` bytes, looping until that many arrived or the file ended; `got` says
// how many did. A read error fails the call (it is never taken for the end of the file).
Status ReadFromFile(FileHandle handle, void* buffer, std::size_t wanted, std::size_t& got);

// Writes all `length` bytes, looping over partial writes; `written` says how many reached the
// file. Fewer than `length` always comes with a failure status.
Status WriteToFile(FileHandle handle, const void* data, std::size_t length, std::size_t& written);

// Closes the file and sets the handle to none. Closing none is a no-op that succeeds.
Status CloseFile(FileHandle& handle);

// The size of an open file in bytes.
Status GetFileSize(FileHandle handle, std::uint64_t& size);

// CopyFileA(from, to, FALSE): copies `from` over `to`, replacing an existing `to`. Copying a
// file onto itself fails and changes nothing. A new copy takes the source's permission bits;
// an existing target keeps its inode and bits. Either file being open in a conflicting way
// fails with kSharingViolation and leaves `to` untouched.
Status CopyFileOver(const std::string& from, const std::string& to);

// DeleteFileA: removes a file (not a folder). Fails with kSharingViolation while open here.
Status DeleteFileAt(const std::string& path);

// True when both paths name the same existing file (device and inode), however spelled.
bool IsSameFile(const std::string& first, const std::string& second);

// True when the path names anything on disk (the directory search of "names anything").
bool PathExists(const std::string& path);

}  // namespace platform
