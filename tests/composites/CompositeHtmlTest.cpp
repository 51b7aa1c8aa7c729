// Joining song pages into one composite web page, on small hand-made pages.
#include <gtest/gtest.h>

#include "TestFiles.h"
#include "html/CompositeHtml.h"
#include "platform/testing/Recorders.h"

using platform::testing::MessageRecorder;
using testsupport::ReadFileBytes;
using testsupport::TempFolder;

namespace {

const std::string kHead = "<!DOCTYPE>\n<html>\n<style>\n</style>\n</head>\n<body>\n";

std::string TwoColumnPage(const std::string& left, const std::string& right) {
  return kHead + "<table>\n<tr><td>\n<pre>\n" + left + "</pre>\n</td>\n<td class='lborder'>\n<pre>\n" + right +
         "</pre>\n</td></tr>\n</table>\n</body>\n</html>";
}

std::string OneColumnPage(const std::string& lines) { return kHead + "<pre>\n" + lines + "</pre>\n</body>\n</html>"; }

std::string Crlf(std::string text) {
  for (std::size_t at = 0; (at = text.find('\n', at)) != std::string::npos; at += 2) text.insert(at, "\r");
  return text;
}

struct CompositeHtmlFixture : ::testing::Test {
  TempFolder folder;
  MessageRecorder messages;

  std::string Build(const std::string& setList, bool twoColumns) {
    folder.Write("SetList.txt", setList);
    EXPECT_EQ(WriteCompositeHtml(folder / "SetList.txt", folder.Path().string(), folder / "SetList.html", twoColumns), 0);
    return ReadFileBytes(folder / "SetList.html");
  }
};

const char* kTrailer = "</pre>\n</body>\n</html>\n";
const char* kSeparator = "<br><hr><br>\n";

}  // namespace

TEST_F(CompositeHtmlFixture, TwoColumnsOneHeadATablePerSongAndSeparators) {
  folder.Write("a.html", TwoColumnPage("a1\n", "a2\n"));
  folder.Write("b.html", TwoColumnPage("b1\n", "b2\n"));
  std::string tableB = "<table>\n<tr><td>\n<pre>\nb1\n</pre>\n</td>\n<td class='lborder'>\n<pre>\nb2\n</pre>\n</td></tr>\n</table>\n";
  std::string pageA = TwoColumnPage("a1\n", "a2\n");
  std::string throughTableA = pageA.substr(0, pageA.find("</table>\n") + 9);
  EXPECT_EQ(Build("a\nmissing\nb.txt\n", true), Crlf(throughTableA + kSeparator + tableB + kSeparator + kTrailer));
  EXPECT_TRUE(messages.Messages().empty());
}

TEST_F(CompositeHtmlFixture, OneColumnSongsFollowEachOtherInOnePreBlock) {
  folder.Write("a.html", OneColumnPage("a1\na2\n"));
  folder.Write("b.html", OneColumnPage("b1\n"));
  EXPECT_EQ(Build("a\nb\n", false), Crlf(kHead + "<pre>\na1\na2\nb1\n" + kTrailer));
}

TEST_F(CompositeHtmlFixture, MissingFirstPageLetsTheNextSupplyTheHead) {
  folder.Write("b.html", OneColumnPage("b1\n"));
  EXPECT_EQ(Build("missing\nb\n", false), Crlf(kHead + "<pre>\nb1\n" + kTrailer));
}

TEST_F(CompositeHtmlFixture, PagesOfTheOtherModeAndEmptyLists) {
  folder.Write("one.html", OneColumnPage("o1\n"));
  folder.Write("two.html", TwoColumnPage("t1\n", "t2\n"));
  struct Case {
    const char* name;
    const char* setList;
    bool twoColumns;
    std::string composite;
  };
  const Case cases[] = {
      {"empty set list", "", true, kTrailer},
      {"one-column page first in a two-column composite: whole page", "one\n", true,
       OneColumnPage("o1\n") + "\n" + kSeparator + kTrailer},
      {"one-column page later in a two-column composite: only a separator", "two\none\n", true, ""},
      {"two-column page in a one-column composite: its first column", "one\ntwo\n", false,
       kHead + "<pre>\no1\nt1\n" + kTrailer},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::string composite = Build(c.setList, c.twoColumns);
    if (c.composite.empty()) {
      std::string pageTwo = TwoColumnPage("t1\n", "t2\n");
      EXPECT_EQ(composite, Crlf(pageTwo.substr(0, pageTwo.find("</table>\n") + 9) + kSeparator + kSeparator + kTrailer));
    } else {
      EXPECT_EQ(composite, Crlf(c.composite));
    }
  }
}
