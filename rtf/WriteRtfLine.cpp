#include "rtf/WriteRtfLine.h"

#include <cstddef>
#include <string>

#include "rtf/RtfDocumentOutput.h"
#include "rtf/RtfTexts.h"
#include "songtext/ChordLine.h"

namespace {

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

bool WriteRtfLine(const FormatSettings& settings, std::string_view line, RtfDocumentOutput& document,
                  bool lineSpacing, bool previousWasChord, std::string_view spacingText) {
  bool isChordLine = IsChordLine(line);
  if (!isChordLine) {
    document.SongText(line);
  } else {
    const std::string prefix = ChordPrefix(settings);
    std::size_t index = 0;
    while (index < line.size()) {
      bool spaces = line[index] == ' ';
      std::size_t end = index;
      while (end < line.size() && (line[end] == ' ') == spaces) ++end;
      std::string_view run = line.substr(index, end - index);
      if (spaces) {
        document.SongText(run);
      } else {
        document.Markup(prefix);
        document.SongText(run);
        document.Markup("}");
      }
      index = end;
    }
  }
  if (!isChordLine && lineSpacing && previousWasChord) {
    document.Markup(kRtfParagraphSpaceAfter);
    document.Markup(spacingText);
    document.Markup("\n");
  } else {
    document.Markup(kRtfLineBreak);
  }
  return isChordLine;
}
