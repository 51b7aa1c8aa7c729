#include "songtext/TextModeFile.h"

#include "songtext/LineReader.h"

TextModeReader::TextModeReader() = default;

TextModeReader::~TextModeReader() { Close(); }

int TextModeReader::Open(const std::string& path) {
  Close();
  if (platform::Status status = platform::OpenExistingForReading(path, handle_)) return status;
  reader_ = std::make_unique<LineReader>(handle_);
  reader_->path = path;
  return 0;
}

bool TextModeReader::ReadString(std::string& line) {
  line.clear();
  if (!reader_ || !reader_->ReadLine(line)) return false;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return true;
}

bool TextModeReader::ReadFailed() const { return reader_ && reader_->ReadFailed(); }

void TextModeReader::Close() {
  reader_.reset();
  platform::CloseFile(handle_);
}

TextModeWriter::~TextModeWriter() { Close(); }

int TextModeWriter::Create(const std::string& path) {
  Close();
  path_ = path;
  return platform::CreateAlwaysForWriting(path, handle_);
}

int TextModeWriter::WriteString(std::string_view text) {
  std::string converted;
  converted.reserve(text.size() + text.size() / 16 + 2);
  for (char c : text) {
    if (c == '\n') converted.push_back('\r');
    converted.push_back(c);
  }
  std::size_t written = 0;
  return platform::WriteToFile(handle_, converted.data(), converted.size(), written);
}

int TextModeWriter::Close() { return platform::CloseFile(handle_); }
