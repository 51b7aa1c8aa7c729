#include "songtext/TextFile.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <new>

#include "platform/Console.h"
#include "platform/Messages.h"

TextFile::~TextFile() {
  if (isOpen_) {
    platform::CloseFile(handle_);
    isOpen_ = false;
    readPos_ = 0;
  }
  // A file opened for writing never sets isOpen_.
  platform::CloseFile(handle_);
}

int TextFile::OpenForReading(const std::string& path) {
  platform::FileHandle opened;
  if (platform::Status status = platform::OpenExistingForReading(path, opened)) {
    platform::ShowFormattedMessage("Error opening file %s for reading", {path});
    return status;
  }
  handle_ = opened;
  isOpen_ = true;
  path_ = path;
  return 0;
}

int TextFile::LoadWholeFile(const std::string& path) {
  if (int status = OpenForReading(path)) return status;
  data_.reset();
  size_ = 0;
  readPos_ = 0;

  std::uint64_t size = 0;
  if (platform::Status status = platform::GetFileSize(handle_, size)) return status;
  size_ = size;
  if (size == 0) return 0;

  // One block for the whole song plus the NUL the line scanner stops at; a size that cannot
  // be held in memory fails like a read.
  std::size_t length = static_cast<std::size_t>(size);
  if (static_cast<std::uint64_t>(length) != size || length == SIZE_MAX) {
    size_ = 0;
    platform::WriteStdoutLine("Error reading file " + path);
    platform::ShowFormattedMessage("Error opening file %s for reading", {path});
    return kReadEndedEarly;
  }
  data_.reset(new (std::nothrow) char[length + 1]);
  std::size_t got = 0;
  platform::Status status = data_ ? platform::ReadFromFile(handle_, data_.get(), length, got)
                                  : platform::StatusFromErrno(ENOMEM);
  if (status != 0 || got != length) {
    // The data is not handed out: a song that reads short is never taken for a shorter song.
    data_.reset();
    size_ = 0;
    platform::WriteStdoutLine("Error reading file " + path);
    // The diagnostic line reaches no one in the window: the user is told as for a song that
    // cannot be opened.
    platform::ShowFormattedMessage("Error opening file %s for reading", {path});
    return status != 0 ? status : kReadEndedEarly;
  }
  data_[length] = '\0';
  return 0;
}

int TextFile::NextLine(std::string& line) {
  line.clear();
  if (!data_ || readPos_ >= size_) return 0;
  const char* start = data_.get() + readPos_;
  std::size_t remaining = static_cast<std::size_t>(size_ - readPos_);
  const void* found = std::memchr(start, '\n', remaining);
  if (found == nullptr) {
    // The last line without a line feed keeps a final CR.
    line.assign(start, remaining);
    readPos_ = size_;
    return 1;
  }
  std::size_t length = static_cast<std::size_t>(static_cast<const char*>(found) - start);
  readPos_ += length + 1;
  if (length > 0 && start[length - 1] == '\r') --length;
  line.assign(start, length);
  return 1;
}

void TextFile::Close() {
  if (!isOpen_) return;
  platform::CloseFile(handle_);
  isOpen_ = false;
  readPos_ = 0;
}

int TextFile::OpenForWriting(const std::string& path) {
  path_ = path;
  platform::FileHandle opened;
  if (platform::Status status = platform::CreateAlwaysForWriting(path, opened)) {
    platform::ShowFormattedMessage("Error opening file %s for writing", {path});
    return status;
  }
  handle_ = opened;
  return 0;
}

int TextFile::WriteText(std::string_view text) {
  std::size_t written = 0;
  platform::Status status = platform::WriteToFile(handle_, text.data(), text.size(), written);
  if (written < text.size()) platform::WriteStdoutLine("Error writing to file " + path_);
  return status;
}

int TextFile::WriteCrLf() { return WriteText("\r\n"); }

int TextFile::WriteLf() { return WriteText("\n"); }

int TextFile::WriteLine(std::string_view text) {
  std::string withEnd;
  withEnd.reserve(text.size() + 2);
  withEnd.append(text);
  withEnd.append("\r\n");
  return WriteText(withEnd);
}

int TextFile::CloseHandle() {
  isOpen_ = false;
  readPos_ = 0;
  return platform::CloseFile(handle_);
}
