#pragma once
// One file opened through the platform's file interface: either loaded whole and handed out
// line by line (the document writers), or created and written (every writer).
//
// Statuses: 0 success, otherwise the platform status of the failed call (callers only test
// for non-zero). Messages: "Error opening file %s for reading" / "Error opening file %s for
// writing" with the path; diagnostic lines "Error reading file <path>" and "Error writing to
// file <path>" on standard output.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/File.h"

class TextFile {
 public:
  // The status of a read that ended before the file's size without a system error.
  static constexpr int kReadEndedEarly = 4;

  TextFile() = default;
  ~TextFile();
  TextFile(const TextFile&) = delete;
  TextFile& operator=(const TextFile&) = delete;

  // Opens an existing file for reading, sharing it for reading only. On failure shows the
  // reading message and stores nothing.
  int OpenForReading(const std::string& path);

  // OpenForReading, then reads the whole file into memory (one read). The file stays open.
  // An empty file loads nothing and NextLine reports the end at once. A read that fails or
  // ends early prints "Error reading file <path>", shows "Error opening file %s for reading",
  // hands out no line and returns the system status, or kReadEndedEarly.
  int LoadWholeFile(const std::string& path);

  // The next line of the loaded data without its LF (and without a CR before the LF; a final
  // CR with no LF is kept). NUL bytes inside a line are handed out with it. Returns 1, or 0
  // with an empty line when all the data has been handed out.
  int NextLine(std::string& line);

  // Closes the file opened for reading; the loaded data stays until the next LoadWholeFile.
  void Close();

  // Creates or truncates the file for writing, sharing it for reading only. On failure shows
  // the writing message. `path` is kept for messages either way.
  int OpenForWriting(const std::string& path);

  // Writes the bytes as they are. A failed or short write returns its status, and a short
  // write also prints "Error writing to file <path>".
  int WriteText(std::string_view text);
  int WriteCrLf();
  int WriteLf();
  // The text followed by CR LF, in one write.
  int WriteLine(std::string_view text);

  // Closes whatever is open (reading or writing). Returns the close status.
  int CloseHandle();

  platform::FileHandle& Handle() { return handle_; }
  const std::string& Path() const { return path_; }
  bool IsOpen() const { return isOpen_; }

 private:
  platform::FileHandle handle_;
  std::unique_ptr<char[]> data_;  // the whole file followed by one NUL
  std::uint64_t size_ = 0;
  std::string path_;
  std::uint64_t readPos_ = 0;
  bool isOpen_ = false;
};
