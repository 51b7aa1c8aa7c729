#include "rtf/WriteRtfLine.h"

#include <cstddef>
#include <string>

#include "rtf/EscapeRtf.h"
#include "rtf/RtfTexts.h"
#include "songtext/ChordLine.h"
#include "songtext/TextFile.h"

namespace {

// Collects a line's text and hands it to the document in one write. A line of many megabytes
// goes out in pieces instead, so that its escaped form is never held whole beside the song.
class LineOutput {
 public:
  static constexpr std::size_t kPieceSize = 64 * 1024;

  LineOutput(TextFile& output, std::size_t lineSize) : output_(output) {
    text_.reserve(lineSize < kPieceSize ? lineSize + lineSize / 2 + 64 : kPieceSize + 64);
  }

  void Markup(std::string_view markup) {
    text_ += markup;
    WriteIfFull();
  }

  void SongText(std::string_view text) {
    for (std::size_t index = 0; index < text.size();) {
      index += AppendEscapedRtfChar(text_, text, index);
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
    if (status_ == 0 && !text_.empty()) status_ = output_.WriteText(text_);
    text_.clear();
  }

  TextFile& output_;
  std::string text_;
  int status_ = 0;
};

std::string ChordPrefix(const FormatSettings& settings) {
  std::string prefix = "{";
  if (settings.boldChords) prefix += "\\b";
  if (settings.chordSize != settings.lyricSize) {
    prefix += "\\fs";
    prefix += std::to_string(2LL * settings.chordSize);
    prefix += ' ';
  } else if (settings.boldChords) {
    prefix += ' ';
  }
  return prefix;
}

}  // namespace

int WriteRtfLine(const FormatSettings& settings, std::string_view line, TextFile& output, bool lineSpacing,
                 bool previousWasChord, std::string_view spacingText, bool& isChordLine) {
  isChordLine = IsChordLine(line);
  LineOutput text(output, line.size());
  if (!isChordLine) {
    text.SongText(line);
  } else {
    const std::string prefix = ChordPrefix(settings);
    std::size_t index = 0;
    while (index < line.size()) {
      bool spaces = line[index] == ' ';
      std::size_t end = index;
      while (end < line.size() && (line[end] == ' ') == spaces) ++end;
      std::string_view run = line.substr(index, end - index);
      if (spaces) {
        text.SongText(run);
      } else {
        text.Markup(prefix);
        text.SongText(run);
        text.Markup("}");
      }
      index = end;
    }
  }
  if (!isChordLine && lineSpacing && previousWasChord) {
    text.Markup(kRtfParagraphSpaceAfter);
    text.Markup(spacingText);
    text.Markup("\n");
  } else {
    text.Markup(kRtfLineBreak);
  }
  return text.Finish();
}
