// A real browser shows every song as written: headless Chromium loads each page, and the text
// it renders, column by column, is the song's text (markup characters and letters outside
// ASCII included, in songs stored as UTF-8 and as Windows-1252).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RealClients.h"
#include "TestFiles.h"
#include "html/WriteHtmlPage.h"
#include "platform/Letters.h"
#include "platform/testing/Recorders.h"

using testsupport::ReadFileBytes;
using testsupport::TempFolder;

namespace {

// The song's lines as a reader sees them: text decoded (UTF-8, other bytes as Windows-1252)
// and given as UTF-8, line ends removed. A final CR is a line end in a browser too.
std::vector<std::string> ShownLines(const std::string& song) {
  std::string text;
  for (std::size_t i = 0; i < song.size();) {
    platform::DecodedChar decoded = platform::DecodeCharAt(song, i);
    acceptance::AppendUtf8(text, decoded.codePoint);
    i += decoded.length;
  }
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

std::string Joined(const std::vector<std::string>& lines, std::size_t from, std::size_t to) {
  std::string text;
  for (std::size_t i = from; i < to && i < lines.size(); ++i) text += lines[i] + "\n";
  return text;
}

struct BrowserCase {
  std::string name;
  std::string song;  // the song's bytes
  FormatSettings settings;
  std::vector<std::string> expectedBlocks;  // filled once the page is written
};

FormatSettings Layout(int chordSize, int lyricSize, bool bold, bool spacing, int columns, int linesPerColumn,
                      bool autoColumns) {
  FormatSettings settings;
  settings.chordSize = chordSize;
  settings.lyricSize = lyricSize;
  settings.boldChords = bold;
  settings.lineSpacing = spacing;
  settings.columns = columns;
  settings.linesPerColumn = linesPerColumn;
  settings.autoColumns = autoColumns;
  return settings;
}

std::string Corpus(const std::string& name) {
  return ReadFileBytes(testsupport::SourcePath("tests/data/corpus/" + name));
}

// The blocks the reader sees: the song, or its two columns split at the line numbered
// linesPerColumn (that line dropped when empty).
std::vector<std::string> ExpectedBlocks(const std::string& song, const FormatSettings& settings) {
  std::vector<std::string> lines = ShownLines(song);
  std::size_t breakLine = static_cast<std::size_t>(settings.linesPerColumn);
  if (settings.columns == 0 || settings.linesPerColumn <= 0 || breakLine > lines.size()) {
    return {Joined(lines, 0, lines.size())};
  }
  std::size_t secondFrom = lines[breakLine - 1].empty() ? breakLine : breakLine - 1;
  return {Joined(lines, 0, breakLine - 1), Joined(lines, secondFrom, lines.size())};
}

TEST(HtmlPageInBrowser, ShowsEverySongAsWritten) {
  TempFolder folder;
  platform::testing::MessageRecorder messages;
  std::vector<BrowserCase> cases = {
      {"amazing-grace.txt", Corpus("amazing-grace.txt"), Layout(12, 12, true, false, 0, 32, true), {}},
      {"silent-night.txt", Corpus("silent-night.txt"), Layout(12, 12, false, false, 0, 32, true), {}},
      {"swing-low-sweet-chariot.txt", Corpus("swing-low-sweet-chariot.txt"), Layout(14, 11, false, false, 0, 32, true), {}},
      {"wayfaring-stranger.txt", Corpus("wayfaring-stranger.txt"), Layout(12, 12, true, true, 1, 32, true), {}},
      {"amazing-grace-tabs.txt", Corpus("amazing-grace-tabs.txt"), Layout(12, 10, false, true, 1, 9, false), {}},
      {"markup-and-letters.txt",
       "Caf\xC3\xA9 & Cr\xC3\xA8me\n"
       "  G        D/F#     Em\n"
       "<b>Gr\xC3\xBC\xC3\x9F" "e</b> \xE2\x80\x94 &amp; \xC3\xBC" "ber alles\n"
       "\n"
       "C&D   G>A\n"
       "Stra\xC3\x9F" "e <&> Fa\xC3\xA7" "ade \xF0\x9D\x84\x9E\n",
       Layout(12, 10, true, false, 1, 4, false), {}},
  };
  std::vector<std::string> pages;
  for (BrowserCase& c : cases) {
    SCOPED_TRACE(c.name);
    c.settings.songPath = folder.Write(c.name, c.song);
    SongContext context;
    ASSERT_EQ(WriteHtmlPage(context, c.settings), 0);
    c.expectedBlocks = ExpectedBlocks(c.song, c.settings);
    pages.push_back(folder / (c.name.substr(0, c.name.size() - 4) + ".html"));
  }
  ASSERT_TRUE(messages.Messages().empty());

  std::vector<std::vector<std::string>> rendered = acceptance::RenderInChromium(pages);
  ASSERT_EQ(rendered.size(), cases.size());
  for (std::size_t i = 0; i < cases.size(); ++i) {
    SCOPED_TRACE(cases[i].name);
    const std::vector<std::string>& texts = rendered[i];
    ASSERT_FALSE(texts.empty());
    std::vector<std::string> blocks(texts.begin() + 1, texts.end());
    EXPECT_EQ(blocks, cases[i].expectedBlocks);
    // The page as a whole: one block, or two table cells side by side.
    std::string body = blocks.size() == 2 ? blocks[0] + "\n\t\n" + blocks[1] : blocks.at(0);
    EXPECT_EQ(texts[0], body);
  }
}

}  // namespace
