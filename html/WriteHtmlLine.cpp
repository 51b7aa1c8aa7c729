#include "html/WriteHtmlLine.h"

#include <cstddef>
#include <string>

#include "html/EscapeHtml.h"
#include "html/HtmlTexts.h"
#include "songtext/ChordLine.h"
#include "songtext/TextFile.h"

namespace {

// Collects a line's text and hands it to the page in one write. A line of many megabytes goes
// out in pieces instead, so that its escaped form is never held whole beside the song.
class LineOutput {
 public:
  static constexpr std::size_t kPieceSize = 64 * 1024;

  LineOutput(TextFile& page, std::size_t lineSize) : page_(page) {
    text_.reserve(lineSize < kPieceSize ? lineSize + lineSize / 4 + 64 : kPieceSize + 64);
  }

  void Markup(std::string_view markup) {
    text_ += markup;
    WriteIfFull();
  }

  void SongText(std::string_view text) {
    for (std::size_t index = 0; index < text.size();) {
      index += AppendEscapedHtmlChar(text_, text, index);
      WriteIfFull();
    }
  }

  int Finish() {
    Write();
    return status_;
  }

 private:
  void WriteIfFull() {
    if (text_.size() >= kPieceSize) Write();
  }

  void Write() {
    if (status_ == 0 && !text_.empty()) status_ = page_.WriteText(text_);
    text_.clear();
  }

  TextFile& page_;
  std::string text_;
  int status_ = 0;
};

}  // namespace

int WriteHtmlLine(std::string_view line, TextFile& page, bool useSpans) {
  LineOutput output(page, line.size());
  if (!IsChordLine(line)) {
    output.SongText(line);
  } else {
    std::size_t index = 0;
    while (index < line.size()) {
      bool blanks = line[index] == ' ';
      std::size_t end = index;
      while (end < line.size() && (line[end] == ' ') == blanks) ++end;
      std::string_view run = line.substr(index, end - index);
      if (blanks) {
        output.Markup(run);
      } else if (useSpans) {
        output.Markup(kHtmlChordSpanOpen);
        output.SongText(run);
        output.Markup(kHtmlChordSpanClose);
      } else {
        output.SongText(run);
      }
      index = end;
    }
  }
  output.Markup("\n");
  return output.Finish();
}
