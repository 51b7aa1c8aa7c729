#pragma once
// Reads the lines of an already opened file through one fixed 4096-byte buffer, whatever the
// size of the file. A line longer than the buffer is handed out whole: it is assembled in the
// caller's string while the buffer keeps refilling, so no data is ever lost.
//
// The reader never reports errors: a missing or unreadable source reads as an empty file.
// `ReadFailed()` tells a caller that wants to know whether a read failed after the start.
#include <cstddef>
#include <memory>
#include <string>

#include "platform/File.h"

class LineReader {
 public:
  static constexpr int kBufferSize = 4096;
  static constexpr int kInitialEnd = 4094;
  static constexpr int kInitialRefillMark = 2047;

  explicit LineReader(platform::FileHandle& source);

  // True and the next line (its LF removed, and a CR before the LF), or false and an empty
  // line at the end of the data. A last line that ends in CR without LF keeps the CR.
  bool ReadLine(std::string& line);

  // True when a read of the source failed (the data ended there).
  bool ReadFailed() const { return readFailed_; }

  std::string path;  // set by the caller; the reader never uses it

 private:
  int Refill();

  std::unique_ptr<char[]> buffer_;
  int pos_ = 0;
  int end_ = kInitialEnd;
  int refillMark_ = kInitialRefillMark;
  platform::FileHandle& source_;
  bool firstRead_ = true;
  bool exhausted_ = false;  // a read brought fewer bytes than asked: the file has ended
  bool readFailed_ = false;
};
