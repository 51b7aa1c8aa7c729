// Song text as a page carries it: escaping, and chord tokens in spans.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestFiles.h"
#include "html/EscapeHtml.h"
#include "html/HtmlPageOutput.h"
#include "html/WriteHtmlLine.h"
#include "platform/testing/FaultPlan.h"
#include "songtext/TextFile.h"

using testsupport::ReadFileBytes;
using testsupport::TempFolder;

namespace {

std::string Escaped(std::string_view text) {
  std::string out;
  AppendEscapedHtml(out, text);
  return out;
}

struct EscapeCase {
  std::string text;
  std::string page;
};

TEST(HtmlText, EscapesMarkupAndEveryCharacterOutsideAscii) {
  const std::vector<EscapeCase> cases = {
      {"Tom & Jerry <3 > all", "Tom &amp; Jerry &lt;3 &gt; all"},
      {"&amp; stays text", "&amp;amp; stays text"},
      {"caf\xC3\xA9 Stra\xC3\x9F" "e \xC3\xBC", "caf&#233; Stra&#223;e &#252;"},
      {"one \xE2\x80\x94 two", "one &#8212; two"},
      {"clef \xF0\x9D\x84\x9E", "clef &#119070;"},
      // Bytes that are not UTF-8 are Windows-1252: a right quote, an e acute, a lone lead byte.
      {"there\x92s", "there&#8217;s"},
      {"caf\xE9", "caf&#233;"},
      {"end\xC3", "end&#195;"},
      // Blanks, tabs and other ASCII keep their places.
      {" \tG\t D \r", " \tG\t D \r"},
      {"!\"#$%'()*+,-./:;=?@[\\]^_`{|}~", "!\"#$%'()*+,-./:;=?@[\\]^_`{|}~"},
  };
  for (const EscapeCase& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(Escaped(c.text), c.page);
  }
}

TEST(HtmlText, ShowsCharactersNoPageCanCarryAsTheReplacementCharacter) {
  const std::vector<EscapeCase> cases = {
      {std::string("a\0b", 3), "a&#65533;b"},
      // A C1 control, as UTF-8 and as a byte Windows-1252 leaves undefined: browsers would show
      // "&#128;" as a euro sign.
      {"x\xC2\x80y", "x&#65533;y"},
      {"x\x81y", "x&#65533;y"},
      // The euro sign itself, as UTF-8 and as a Windows-1252 byte.
      {"\xE2\x82\xAC", "&#8364;"},
      {"\x80", "&#8364;"},
  };
  for (const EscapeCase& c : cases) {
    SCOPED_TRACE(testsupport::Visible(c.text));
    EXPECT_EQ(Escaped(c.text), c.page);
  }
}

struct LineCase {
  std::string line;
  bool useSpans;
  std::string page;
};

// Writes the line through WriteHtmlLine into a fresh file and returns its bytes.
std::string WrittenLine(const TempFolder& folder, const std::string& line, bool useSpans) {
  TextFile page;
  EXPECT_EQ(page.OpenForWriting(folder / "line.html"), 0);
  HtmlPageOutput output(page);
  EXPECT_EQ(WriteHtmlLine(line, output, useSpans), 0);
  EXPECT_EQ(output.Flush(), 0);
  page.CloseHandle();
  return ReadFileBytes(folder / "line.html");
}

TEST(HtmlLine, PutsEveryChordTokenInASpanAndKeepsBlanksOutside) {
  TempFolder folder;
  const std::string open = "<span class='chord'>";
  const std::string close = "</span>";
  const std::vector<LineCase> cases = {
      {"G   D/F#  Em", true, open + "G" + close + "   " + open + "D/F#" + close + "  " + open + "Em" + close + "\n"},
      {"  G  C  ", true, "  " + open + "G" + close + "  " + open + "C" + close + "  \n"},
      // A tab is no blank: both chords stand in one span.
      {"G\tD  A", true, open + "G\tD" + close + "  " + open + "A" + close + "\n"},
      // Without spans a chord line reaches the page as it is.
      {"  G   D/F#\t Em ", false, "  G   D/F#\t Em \n"},
      // A lyric line never gets a span.
      {"Amazing grace, how sweet", true, "Amazing grace, how sweet\n"},
      {"Was blind <but> now & then", true, "Was blind &lt;but&gt; now &amp; then\n"},
  };
  for (const LineCase& c : cases) {
    SCOPED_TRACE(c.line);
    EXPECT_EQ(WrittenLine(folder, c.line, c.useSpans), c.page);
  }
}

TEST(HtmlLine, EscapesTextInsideChordSpans) {
  TempFolder folder;
  // A chord line whose tokens hold characters that need escaping.
  std::string line = "G  A>B  C&";
  ASSERT_EQ(WrittenLine(folder, line, false), "G  A&gt;B  C&amp;\n");
  EXPECT_EQ(WrittenLine(folder, line, true),
            "<span class='chord'>G</span>  <span class='chord'>A&gt;B</span>  <span class='chord'>C&amp;</span>\n");
}

TEST(HtmlPageOutput, WritesALongTextInPiecesThatJoinUp) {
  TempFolder folder;
  std::string text;
  std::string escaped;
  while (text.size() < 3 * HtmlPageOutput::kPieceSize) {
    text += "Gr\xC3\xBC\xC3\x9F" "e & <mehr> \xE2\x80\x94 ";
    escaped += "Gr&#252;&#223;e &amp; &lt;mehr&gt; &#8212; ";
  }
  platform::testing::FaultPlan counter;
  EXPECT_EQ(WrittenLine(folder, text, true), escaped + "\n");
  EXPECT_GE(counter.Count(platform::FileOperation::Write), 4);
}

TEST(HtmlPageOutput, WritesNothingMoreAfterAFailedWrite) {
  TempFolder folder;
  TextFile page;
  ASSERT_EQ(page.OpenForWriting(folder / "line.html"), 0);
  platform::testing::FaultPlan faults;
  faults.FailNth(platform::FileOperation::Write, 2);
  HtmlPageOutput output(page);
  std::string line(5 * HtmlPageOutput::kPieceSize, 'x');
  EXPECT_NE(WriteHtmlLine(line, output, false), 0);
  EXPECT_NE(WriteHtmlLine("G  D", output, true), 0);
  EXPECT_NE(output.Flush(), 0);
  EXPECT_EQ(faults.Count(platform::FileOperation::Write), 2);
  page.CloseHandle();
  EXPECT_EQ(ReadFileBytes(folder / "line.html"), std::string(HtmlPageOutput::kPieceSize, 'x'));
}

}  // namespace
