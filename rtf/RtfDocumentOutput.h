#pragma once
// The text of a Word document on its way to the file: markup as it is, song text escaped
// (EscapeRtf.h). Text is gathered and handed to the file in pieces of about 64 KiB, so that a
// document costs a few writes however many lines it has, and a song of many megabytes never
// has its escaped form held whole beside it. After the first failed write nothing more is
// written, and its status is kept.
#include <cstddef>
#include <string>
#include <string_view>

class TextFile;

class RtfDocumentOutput {
 public:
  static constexpr std::size_t kPieceSize = 64 * 1024;

  explicit RtfDocumentOutput(TextFile& document);
  RtfDocumentOutput(const RtfDocumentOutput&) = delete;
  RtfDocumentOutput& operator=(const RtfDocumentOutput&) = delete;

  void Markup(std::string_view markup);
  void SongText(std::string_view text);

  // Writes what is gathered; returns 0, or the status of the first failed write.
  int Flush();

  // The status of the first failed write, or 0.
  int Status() const { return status_; }

 private:
  void FlushIfFull();

  TextFile& document_;
  std::string gathered_;
  int status_ = 0;
};
