// The Word document of an arbitrary song under arbitrary settings. Properties: the document is
// written; it is pure ASCII; no song text opens or closes a group, so the group the head opens
// closes exactly at the last byte; it has the line structure the composite relies on (head
// lines begin with '{' or '.', set-up lines with a backslash, an empty line ends the head, no
// body line is empty or begins with "}", "}" ends it with no line feed); one body line per
// song line and at most one column break.
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "rtf/WriteRtfDocument.h"

namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (true) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) {
      lines.push_back(text.substr(start));
      return lines;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
}

std::size_t SongLineCount(const std::string& song) {
  std::size_t count = 0;
  for (std::size_t start = 0; start < song.size(); ++count) {
    std::size_t end = song.find('\n', start);
    start = end == std::string::npos ? song.size() : end + 1;
  }
  return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzzsupport::SilenceUserMessages();
  if (size < 3) return 0;
  FormatSettings settings;
  settings.boldChords = (data[0] & 1) != 0;
  settings.lineSpacing = (data[0] & 2) != 0;
  settings.columns = (data[0] & 4) != 0 ? 1 : 0;
  settings.indentPage = (data[0] & 8) != 0;
  settings.chordSize = (data[0] & 16) != 0 ? 10 : 12;
  settings.lyricSize = (data[0] & 32) != 0 ? 0 : 12;
  settings.linesPerColumn = static_cast<int>(data[1]) - 16;
  settings.lineHeight = (data[2] & 1) != 0 ? "1.5" : "x";
  std::string song(reinterpret_cast<const char*>(data) + 3, size - 3);
  settings.songPath = fuzzsupport::WriteInput("song.txt", song);

  fuzzsupport::Require(WriteRtfDocument(settings) == 0, "the document is written");
  std::string document = fuzzsupport::ReadBack(fuzzsupport::WorkFolder() + "/song.rtf");

  int depth = 0;
  for (std::size_t i = 0; i < document.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(document[i]);
    fuzzsupport::Require(c != 0 && c < 0x80, "the document is pure ASCII without NUL");
    if (c == '\\') {
      ++i;
      continue;
    }
    if (c == '{') ++depth;
    if (c == '}') --depth;
    fuzzsupport::Require(depth > 0 || i + 1 == document.size(), "the head's group stays open to the end");
  }
  fuzzsupport::Require(depth == 0, "the last byte closes the head's group");

  std::vector<std::string> lines = Lines(document);
  std::size_t at = 0;
  for (; at < 10; ++at) {
    fuzzsupport::Require(!lines[at].empty() && (lines[at][0] == '{' || lines[at][0] == '.'),
                         "head lines begin with '{' or '.'");
  }
  for (; !lines[at].empty(); ++at) {
    fuzzsupport::Require(lines[at][0] == '\\', "set-up lines begin with a backslash");
  }
  ++at;
  fuzzsupport::Require(lines.back() == "}", "the document ends with a line holding only \"}\"");
  std::size_t bodyLines = 0;
  std::size_t columnBreaks = 0;
  for (; at + 1 < lines.size(); ++at) {
    fuzzsupport::Require(!lines[at].empty(), "no body line is empty");
    // The composite leaves out every line that begins with "}".
    fuzzsupport::Require(lines[at][0] != '}', "no body line begins with \"}\"");
    if (lines[at] == "\\column") {
      ++columnBreaks;
    } else {
      ++bodyLines;
    }
  }
  fuzzsupport::Require(bodyLines == SongLineCount(song), "one body line per song line");
  fuzzsupport::Require(columnBreaks <= (settings.columns != 0 ? 1u : 0u), "at most one column break");
  return 0;
}
