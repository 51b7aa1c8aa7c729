// The page as a whole: head, style rules, spans and columns, byte for byte.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestFiles.h"
#include "html/WriteHtmlPage.h"
#include "platform/testing/Recorders.h"

using testsupport::ReadFileBytes;
using testsupport::TempFolder;

namespace {

// A short sheet with CR LF line ends and no line end after its last line: chord lines with a
// slash chord and a tab, a title and a heading, an empty line 6, markup characters and
// letters outside ASCII.
const std::string kMorningSong =
    "Morning Song\r\n"
    "[Verse 1]\r\n"
    "  G       C        G\r\n"
    "Morning has broken, like the first morning\r\n"
    "Em        D/F#   G\r\n"
    "\r\n"
    " C      G\t\tD\r\n"
    "Praise for the singing & praise for <the> morning\r\n"
    "G     Em      C   D  G\r\n"
    "Caf\xC3\xA9, Stra\xC3\x9F" "e, na\xC3\xAFve \xE2\x80\x94 fresh from the Word";

class HtmlPageLayout : public ::testing::Test {
 protected:
  // Writes the page of `song` with `settings` and returns its bytes.
  std::string PageOf(const std::string& song, FormatSettings& settings) {
    settings.songPath = folder_.Write("song.txt", song);
    SongContext context;
    EXPECT_EQ(WriteHtmlPage(context, settings), 0);
    EXPECT_TRUE(messages_.Messages().empty());
    return ReadFileBytes(folder_ / "song.html");
  }

  TempFolder folder_;
  platform::testing::MessageRecorder messages_;
};

FormatSettings Layout(int chordSize, int lyricSize, bool bold, bool spacing, bool indent, int columns,
                      int linesPerColumn, bool autoColumns, std::string lineHeight = "1.5") {
  FormatSettings settings;
  settings.chordSize = chordSize;
  settings.lyricSize = lyricSize;
  settings.boldChords = bold;
  settings.lineSpacing = spacing;
  settings.indentPage = indent;
  settings.columns = columns;
  settings.linesPerColumn = linesPerColumn;
  settings.autoColumns = autoColumns;
  settings.lineHeight = std::move(lineHeight);
  return settings;
}

struct GoldenCase {
  std::string golden;
  std::string song;
  FormatSettings settings;
};

TEST_F(HtmlPageLayout, MatchesTheGoldenPageOfEachLayout) {
  std::vector<GoldenCase> cases = {
      // Equal sizes, neither bold nor spaced: no chord rule and no span; one column ignores
      // the lines per column.
      {"html/one-column-plain.html", kMorningSong, Layout(12, 12, false, false, true, 0, 3, true)},
      // Chords larger than lyrics: spans with the plain tail; no padding without indent.
      {"html/one-column-chord-size-no-indent.html", kMorningSong, Layout(12, 10, false, false, false, 0, 32, true)},
      // Bold chords, break on the empty line 6, which is dropped.
      {"html/two-columns-bold.html", kMorningSong, Layout(11, 11, true, false, true, 1, 6, false)},
      // Line space, automatic columns: 10 lines put the break on line 5.
      {"html/two-columns-auto-spaced.html", kMorningSong, Layout(10, 10, false, true, true, 1, 32, true, "1.8")},
      // Bold and line space, more lines per column than the song has: a table of one cell.
      {"html/two-columns-bold-spaced-one-cell.html", kMorningSong, Layout(14, 12, true, true, false, 1, 100, false, "2")},
      {"html/empty-song-one-column.html", "", Layout(12, 12, false, false, true, 0, 32, true)},
      {"html/empty-song-two-columns.html", "", Layout(12, 10, true, false, true, 1, 32, true)},
  };
  for (GoldenCase& c : cases) {
    SCOPED_TRACE(c.golden);
    testsupport::ExpectMatchesGolden(c.golden, PageOf(c.song, c.settings));
  }
}

// The song lines between the page's first "<pre>" and its closing "</pre>", as written.
std::string SongPart(const std::string& page) {
  std::size_t start = page.find("<pre>\n") + 6;
  return page.substr(start, page.rfind("</pre>\n") - start);
}

TEST_F(HtmlPageLayout, WritesEveryLineAsInTheSongWhenNoSpansAreUsed) {
  FormatSettings settings = Layout(12, 12, false, false, true, 0, 32, true);
  std::string song = "  G   D/F#\tEm  \nlyric line\n\n   \n!G C D\nlast line without end";
  std::string page = PageOf(song, settings);
  EXPECT_EQ(SongPart(page), song + "\n");
  EXPECT_EQ(page.find(".chord"), std::string::npos);
  EXPECT_EQ(page.find(".lyric"), std::string::npos);
  EXPECT_EQ(page.find("<span"), std::string::npos);
}

TEST_F(HtmlPageLayout, FillsTheContextWithTheStylesEvenWhenTheyAreNotWritten) {
  FormatSettings settings = Layout(9, 9, false, false, true, 0, 32, true);
  settings.songPath = folder_.Write("song.txt", "G\n");
  SongContext context;
  ASSERT_EQ(WriteHtmlPage(context, settings), 0);
  EXPECT_EQ(context.bodyFontSize, 9);
  EXPECT_FALSE(context.boldChords);
  EXPECT_EQ(context.styleText,
            ".chord { font-family:Lucida Console, Courier; font-size:9pt;   }\n"
            ".lyric { font-family:Lucida Console, Courier; font-size:9pt; }\n");
}

// The song lines of "line 1" to "line <count>", each ended by LF.
std::string NumberedLines(int from, int to) {
  std::string lines;
  for (int n = from; n <= to; ++n) lines += "line " + std::to_string(n) + "\n";
  return lines;
}

struct ColumnCase {
  int lines;
  int linesPerColumn;
  bool autoColumns;
  int linesPerColumnAfter;
  int firstOfSecondColumn;  // 0: no column break
};

TEST_F(HtmlPageLayout, StartsTheSecondColumnAtTheLineNumberedLinesPerColumn) {
  const std::vector<ColumnCase> cases = {
      {40, 32, true, 20, 20},  {41, 32, true, 20, 20}, {2, 32, true, 1, 1},   {3, 32, true, 1, 1},
      {1, 32, true, 0, 0},     {10, 5, false, 5, 5},   {10, 1, false, 1, 1},  {10, 10, false, 10, 10},
      {10, 11, false, 11, 0},  {10, 0, false, 0, 0},   {10, -3, false, -3, 0},
  };
  for (const ColumnCase& c : cases) {
    SCOPED_TRACE(std::to_string(c.lines) + " lines, " + std::to_string(c.linesPerColumn) +
                 (c.autoColumns ? " automatic" : " fixed"));
    FormatSettings settings = Layout(12, 12, false, false, true, 1, c.linesPerColumn, c.autoColumns);
    std::string song = NumberedLines(1, c.lines);
    std::string page = PageOf(song, settings);
    EXPECT_EQ(settings.linesPerColumn, c.linesPerColumnAfter);
    const std::string columnBreak = "</pre>\n</td>\n<td class='lborder'>\n<pre>\n";
    std::string expected = c.firstOfSecondColumn == 0 ? song
                                                       : NumberedLines(1, c.firstOfSecondColumn - 1) + columnBreak +
                                                             NumberedLines(c.firstOfSecondColumn, c.lines);
    EXPECT_EQ(SongPart(page), expected);
    EXPECT_NE(page.find("<table>\n<tr><td>\n<pre>\n"), std::string::npos);
    EXPECT_NE(page.find("</pre>\n</td></tr>\n</table>\n</body>\n</html>"), std::string::npos);
  }
}

TEST_F(HtmlPageLayout, KeepsOneColumnWithoutATableWhateverTheLinesPerColumn) {
  FormatSettings settings = Layout(12, 12, false, false, true, 0, 7, true);
  std::string song = NumberedLines(1, 20);
  std::string page = PageOf(song, settings);
  EXPECT_EQ(settings.linesPerColumn, 7);
  EXPECT_EQ(SongPart(page), song);
  EXPECT_EQ(page.find("<table>"), std::string::npos);
  EXPECT_EQ(page.find("lborder'"), std::string::npos);
}

TEST_F(HtmlPageLayout, WritesATypedLineHeightAsTextThatAddsNoMarkup) {
  FormatSettings settings = Layout(12, 12, true, true, true, 0, 32, true, "1.5</style><pre>\xC3\xA9");
  std::string page = PageOf("G\n", settings);
  EXPECT_NE(page.find("line-height:1.5&lt;/style&gt;&lt;pre&gt;&#233;; vertical-align:sub; }\n"), std::string::npos);
  EXPECT_NE(page.find(".thinline { line-height:1.5&lt;/style&gt;&lt;pre&gt;&#233; }\n</style>\n"), std::string::npos);
  EXPECT_EQ(page.find("</style>"), page.rfind("</style>"));
}

}  // namespace
