// A real word processor reads every song as written: LibreOffice opens each song's Word
// document and the text it reads is the song's text, every chord in its column (spaces are
// non-breaking spaces, so they come back as U+00A0), with letters outside ASCII, markup
// characters and tabs intact, in songs stored as UTF-8 and as Windows-1252.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "TestFiles.h"
#include "platform/Letters.h"
#include "platform/testing/Recorders.h"
#include "rtf/WriteRtfDocument.h"

using namespace std::string_literals;
using testsupport::ReadFileBytes;
using testsupport::TempFolder;

namespace {

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

// A song line as a reader of its document sees it, in UTF-8: the text decoded (UTF-8, other
// bytes as Windows-1252), spaces as no-break spaces, a NUL as the replacement character, and
// no CR (a bare CR is no line end in a document).
std::string ReadLine(const std::string& line) {
  std::string text;
  for (std::size_t i = 0; i < line.size();) {
    platform::DecodedChar decoded = platform::DecodeCharAt(line, i);
    i += decoded.length;
    char32_t c = decoded.codePoint;
    if (c == '\r') continue;
    if (c == ' ') c = 0xA0;
    if (c == 0 || (c >= 0x80 && c <= 0x9F)) c = 0xFFFD;
    AppendUtf8(text, c);
  }
  return text;
}

// The text LibreOffice gives for a song's document: a byte-order mark, then every song line
// followed by a line feed, and one more for the end of the last paragraph when that paragraph
// ends in a "\line" (a final "\par" leaves no paragraph after it). A column break after a
// "\line" ends a paragraph of its own, which reads as one more empty line there.
constexpr std::string_view kParagraphEnd = "\\par \\sa";

std::string ExpectedText(const std::string& song, const std::string& document) {
  std::vector<std::string> songLines = SplitLines(song);
  std::vector<std::string> documentLines = SplitLines(document);
  std::size_t bodyStart = 0;
  while (!documentLines[bodyStart].empty()) ++bodyStart;
  ++bodyStart;
  std::string text = "\xEF\xBB\xBF";
  for (std::size_t i = 0; i < songLines.size(); ++i) {
    text += ReadLine(songLines[i]) + "\n";
    std::size_t next = bodyStart + i + 1;
    if (next < documentLines.size() && documentLines[next] == "\\column") {
      if (documentLines[next - 1].ends_with("\\line")) text += "\n";
      documentLines.erase(documentLines.begin() + static_cast<std::ptrdiff_t>(next));
    }
  }
  bool endsInParagraph = false;
  if (!songLines.empty()) {
    const std::string& lastLine = documentLines[bodyStart + songLines.size() - 1];
    endsInParagraph = lastLine.find(kParagraphEnd) != std::string::npos;
  }
  if (!endsInParagraph) text += "\n";
  return text;
}

// The first line where the two texts differ, both sides shown.
std::string FirstDifference(const std::string& expected, const std::string& actual) {
  std::vector<std::string> e = SplitLines(expected);
  std::vector<std::string> a = SplitLines(actual);
  for (std::size_t i = 0; i < e.size() || i < a.size(); ++i) {
    std::string left = i < e.size() ? e[i] : "<end>";
    std::string right = i < a.size() ? a[i] : "<end>";
    if (left != right) {
      return "line " + std::to_string(i + 1) + "\n  song:   " + left + "\n  reader: " + right;
    }
  }
  return "the line ends differ";
}

// Converts every document to UTF-8 text with LibreOffice, in one run, with a profile of its
// own in `folder`. Returns whether the conversion ran.
bool ConvertToText(const TempFolder& folder, const std::vector<std::string>& documents) {
  std::string command = "soffice '-env:UserInstallation=file://" + (folder / "profile") +
                        "' --headless --convert-to 'txt:Text (encoded):UTF8' --outdir '" + (folder / "text") +
                        "'";
  for (const std::string& document : documents) command += " '" + document + "'";
  command += " >/dev/null 2>&1";
  return std::system(command.c_str()) == 0;
}

FormatSettings Layout(int chordSize, int lyricSize, bool bold, bool indent, bool spacing,
                      const char* lineHeight, int columns, int linesPerColumn) {
  FormatSettings settings;
  settings.chordSize = chordSize;
  settings.lyricSize = lyricSize;
  settings.boldChords = bold;
  settings.indentPage = indent;
  settings.lineSpacing = spacing;
  settings.lineHeight = lineHeight;
  settings.columns = columns;
  settings.linesPerColumn = linesPerColumn;
  return settings;
}

std::string Corpus(const std::string& name) {
  return ReadFileBytes(testsupport::SourcePath("tests/data/corpus/" + name));
}

struct ReaderCase {
  std::string name;
  std::string song;
  FormatSettings settings;
};

TEST(RtfDocumentInWordProcessor, ReadsEverySongAsWrittenWithChordsInTheirColumns) {
  TempFolder folder;
  platform::testing::MessageRecorder messages;
  const std::vector<ReaderCase> cases = {
      {"silent-night", Corpus("silent-night.txt"), Layout(10, 12, true, true, false, "1.5", 0, 32)},
      {"wayfaring-stranger", Corpus("wayfaring-stranger.txt"),
       Layout(12, 12, true, false, true, "1.5", 1, 20)},
      {"amazing-grace-tabs", Corpus("amazing-grace-tabs.txt"),
       Layout(12, 12, false, false, false, "1.5", 0, 32)},
      {"swing-low-sweet-chariot", Corpus("swing-low-sweet-chariot.txt"),
       Layout(14, 11, false, true, false, "1.5", 1, 0)},
      {"danny-boy", Corpus("danny-boy.txt"), Layout(9, 11, true, true, true, "2.0", 0, 32)},
      {"amazing-grace-sections", Corpus("amazing-grace-sections.txt"),
       Layout(12, 12, true, true, false, "1.5", 1, 32)},
      {"markup-and-letters",
       "Caf\xC3\xA9 {Cr\xC3\xA8me} \\par back\\slash\n"
       "  G        D/F#     Em\n"
       "Gr\xC3\xBC\xC3\x9F" "e \xE2\x80\x94 \xC3\xBC" "ber \xF0\x9D\x84\x9E alles\n"
       "\n"
       "}closing brace first\n"
       "{opening brace first\n"
       "A\tD   G\n"
       "NUL \0 and \x81 stand in\n"s,
       Layout(12, 10, true, true, true, "1.25", 1, 4)},
      {"empty", "", Layout(12, 12, true, true, false, "1.5", 0, 32)},
  };
  std::vector<std::string> documents;
  for (const ReaderCase& c : cases) {
    SCOPED_TRACE(c.name);
    FormatSettings settings = c.settings;
    settings.songPath = folder.Write(c.name + ".txt", c.song);
    ASSERT_EQ(WriteRtfDocument(settings), 0);
    documents.push_back(folder / (c.name + ".rtf"));
  }
  ASSERT_TRUE(messages.Messages().empty());

  ASSERT_TRUE(ConvertToText(folder, documents))
      << "LibreOffice did not run (scripts/install-deps.sh installs it)";
  for (std::size_t i = 0; i < cases.size(); ++i) {
    SCOPED_TRACE(cases[i].name);
    std::string expected = ExpectedText(cases[i].song, ReadFileBytes(documents[i]));
    std::string read = ReadFileBytes(folder / ("text/" + cases[i].name + ".txt"));
    EXPECT_TRUE(read == expected) << FirstDifference(expected, read);
  }
}

}  // namespace
