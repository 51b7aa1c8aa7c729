#include "html/HtmlPageOutput.h"

#include "html/EscapeHtml.h"
#include "songtext/TextFile.h"

HtmlPageOutput::HtmlPageOutput(TextFile& page) : page_(page) { gathered_.reserve(kPieceSize + 64); }

void HtmlPageOutput::Markup(std::string_view markup) {
  gathered_ += markup;
  FlushIfFull();
}

void HtmlPageOutput::SongText(std::string_view text) {
  for (std::size_t index = 0; index < text.size();) {
    index += AppendEscapedHtmlChar(gathered_, text, index);
    FlushIfFull();
  }
}

int HtmlPageOutput::Flush() {
  if (status_ == 0 && !gathered_.empty()) status_ = page_.WriteText(gathered_);
  gathered_.clear();
  return status_;
}

void HtmlPageOutput::FlushIfFull() {
  if (gathered_.size() >= kPieceSize) Flush();
}
