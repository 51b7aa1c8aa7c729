#pragma once
// Text files read and written line by line, as a text-mode stdio file does on Windows: lines
// come back without their line end (CR LF or LF, and a trailing CR is dropped), and every line
// feed written reaches the file as CR LF, on every platform. Set lists are read this way and
// composites written this way.
#include <memory>
#include <string>
#include <string_view>

#include "platform/File.h"

class LineReader;

class TextModeReader {
 public:
  TextModeReader();
  ~TextModeReader();
  TextModeReader(const TextModeReader&) = delete;
  TextModeReader& operator=(const TextModeReader&) = delete;

  // Opens an existing file for reading (shared for reading only); shows no message. Returns
  // 0 or the platform status.
  int Open(const std::string& path);
  // The next line without its line end; false at the end of the file (or when a read failed,
  // which ReadFailed then tells).
  bool ReadString(std::string& line);
  bool ReadFailed() const;
  void Close();

 private:
  platform::FileHandle handle_;
  std::unique_ptr<LineReader> reader_;
};

class TextModeWriter {
 public:
  TextModeWriter() = default;
  ~TextModeWriter();
  TextModeWriter(const TextModeWriter&) = delete;
  TextModeWriter& operator=(const TextModeWriter&) = delete;

  // Creates the file or truncates an existing one (shared for reading only); shows no message.
  int Create(const std::string& path);
  // Writes the text with every LF turned into CR LF. Returns 0 or the failed write's status.
  int WriteString(std::string_view text);
  // Closes the file; returns the status of the close (a failed flush is a failed write).
  int Close();
  const std::string& Path() const { return path_; }

 private:
  platform::FileHandle handle_;
  std::string path_;
};
