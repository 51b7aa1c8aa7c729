#include "rtf/RtfDocumentOutput.h"

#include "rtf/EscapeRtf.h"
#include "songtext/TextFile.h"

RtfDocumentOutput::RtfDocumentOutput(TextFile& document) : document_(document) {
  gathered_.reserve(kPieceSize + 64);
}

void RtfDocumentOutput::Markup(std::string_view markup) {
  gathered_ += markup;
  FlushIfFull();
}

void RtfDocumentOutput::SongText(std::string_view text) {
  for (std::size_t index = 0; index < text.size();) {
    index += AppendEscapedRtfChar(gathered_, text, index);
    FlushIfFull();
  }
}

int RtfDocumentOutput::Flush() {
  if (status_ == 0 && !gathered_.empty()) status_ = document_.WriteText(gathered_);
  gathered_.clear();
  return status_;
}

void RtfDocumentOutput::FlushIfFull() {
  if (gathered_.size() >= kPieceSize) Flush();
}
