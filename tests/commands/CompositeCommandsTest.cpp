// "Create Composite RTF", "Create Composite HTML" and their View buttons, driven through the
// dialog over song documents that the set-list commands made: which songs the composite holds
// and in what order, its name from the set list name and the Append text, the column mode from
// the dialog, and the whole composite of three example songs against golden files.
#include <string>
#include <vector>

#include "DialogCommands.h"

namespace {

const char* const kTitles[] = {"Grace", "Abide", "Shore"};

std::string Song(const std::string& title) { return title + "\nG     C\nWe sing of it\n"; }

std::vector<std::string> Lines(const std::string& text) {
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

// The composite in brief, one word a landmark: "head" where a document head begins, a song's
// title where its first line is, "page" for a page break, "table" and "pre" where a song's
// table or preformatted block opens, "rule" for the separator, "}" and "end" for the last line
// of a Word document and of a page.
std::vector<std::string> Outline(const std::string& composite) {
  std::vector<std::string> outline;
  for (std::string line : Lines(composite)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.starts_with("{\\rtf1") || line == "<html>") outline.push_back("head");
    if (line == "\\page") outline.push_back("page");
    if (line == "<table>") outline.push_back("table");
    if (line == "<pre>") outline.push_back("pre");
    if (line == "<br><hr><br>") outline.push_back("rule");
    if (line == "}") outline.push_back("}");
    if (line == "</html>") outline.push_back("end");
    for (const std::string title : kTitles) {
      if (line == title || line == title + "\\line") outline.push_back(title);
    }
  }
  return outline;
}

bool EveryLineEndIsCrLf(const std::string& text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) return false;
  }
  return true;
}

std::string WithCrLf(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

struct CompositeCase {
  const char* name;
  const char* setList;
  std::vector<std::string> outline;
};

class CompositeCommands : public DialogCommands {
 protected:
  void SetUp() override {
    DialogCommands::SetUp();
    for (const std::string title : kTitles) folder.Write(title + ".txt", Song(title));
    Select("Grace.txt");
    Type(kSetListNameEdit, "Friday");
  }

  // Makes every song's documents with the dialog's set-list command.
  void MakeSongDocuments(int setListButton) {
    folder.Write("Friday.txt", "Grace\nAbide\nShore\n");
    Press(setListButton);
    ASSERT_TRUE(Messages().empty());
  }

  void ExpectComposites(int compositeButton, const std::string& composite,
                        const std::vector<CompositeCase>& cases) {
    for (const CompositeCase& c : cases) {
      SCOPED_TRACE(c.name);
      folder.Write("Friday.txt", c.setList);
      Press(compositeButton);
      EXPECT_TRUE(Messages().empty());
      std::string written = Read(composite);
      EXPECT_EQ(Outline(written), c.outline);
      EXPECT_TRUE(EveryLineEndIsCrLf(written));
    }
  }
};

}  // namespace

TEST_F(CompositeCommands, WordCompositeHasTheFirstHeadThenAPageForEachLaterSong) {
  MakeSongDocuments(kCreateRtfFromSetListButton);
  ExpectComposites(
      kCreateCompositeRtfButton, "Friday.rtf",
      {
          {"three songs",
           "Grace\nAbide.txt\nShore",
           {"head", "Grace", "page", "Abide", "page", "Shore", "}"}},
          {"first document missing", "Missing\nAbide\nShore", {"head", "Abide", "page", "Shore", "}"}},
          {"later document missing", "Grace\nGone\nShore\n", {"head", "Grace", "page", "Shore", "}"}},
          {"blank first line", "\nShore\nGrace", {"head", "Shore", "page", "Grace", "}"}},
          {"empty set list", "", {"}"}},
          {"one entry", "Abide\n", {"head", "Abide", "}"}},
      });
  // One entry: the song's own document, with CR LF.
  EXPECT_EQ(Read("Friday.rtf"), WithCrLf(Read("Abide.rtf")));
}

TEST_F(CompositeCommands, OneColumnWebCompositeRunsTheSongsTogetherInOneBlock) {
  MakeSongDocuments(kCreateHtmlFromSetListButton);
  ExpectComposites(
      kCreateCompositeHtmlButton, "Friday.html",
      {
          {"three songs", "Grace\nAbide\nShore.doc", {"head", "pre", "Grace", "Abide", "Shore", "end"}},
          {"first page missing", "Missing\nAbide\nShore", {"head", "pre", "Abide", "Shore", "end"}},
          {"later page missing", "Grace\nGone\nShore", {"head", "pre", "Grace", "Shore", "end"}},
          {"empty set list", "", {"end"}},
          {"one entry", "Abide", {"head", "pre", "Abide", "end"}},
      });
}

TEST_F(CompositeCommands, TwoColumnWebCompositeHasATableAndARuleForEachSong) {
  Press(kTwoColumnsRadio);
  MakeSongDocuments(kCreateHtmlFromSetListButton);
  ExpectComposites(kCreateCompositeHtmlButton, "Friday.html",
                   {
                       {"three songs",
                        "Grace\nAbide\nShore",
                        {"head", "table", "pre", "Grace", "rule", "table", "pre", "Abide", "rule", "table",
                         "pre", "Shore", "rule", "end"}},
                       {"first page missing",
                        "Missing\nAbide\nShore",
                        {"head", "table", "pre", "Abide", "rule", "table", "pre", "Shore", "rule", "end"}},
                       {"later page missing",
                        "Grace\nGone\nShore",
                        {"head", "table", "pre", "Grace", "rule", "table", "pre", "Shore", "rule", "end"}},
                       {"empty set list", "", {"end"}},
                       {"one entry", "Abide", {"head", "table", "pre", "Abide", "rule", "end"}},
                   });
}

TEST_F(CompositeCommands, CompositeIsNamedWithTheAppendTextBesideTheSetList) {
  MakeSongDocuments(kCreateRtfFromSetListButton);
  MakeSongDocuments(kCreateHtmlFromSetListButton);
  Type(kAppendEdit, "-print");
  Press(kCreateCompositeRtfButton);
  Press(kCreateCompositeHtmlButton);
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(Outline(Read("Friday-print.rtf")),
            (std::vector<std::string>{"head", "Grace", "page", "Abide", "page", "Shore", "}"}));
  EXPECT_EQ(Outline(Read("Friday-print.html")),
            (std::vector<std::string>{"head", "pre", "Grace", "Abide", "Shore", "end"}));
  EXPECT_FALSE(Exists("Friday.rtf"));
  EXPECT_FALSE(Exists("Friday.html"));
}

TEST_F(CompositeCommands, SetListThatCannotBeOpenedLeavesTheCompositeAsItWas) {
  folder.Write("Friday.rtf", "old composite");
  folder.Write("Friday.html", "old page");
  const std::string message = "Error opening list file " + (folder / "Friday.txt") + " for read.";
  for (int button : {kCreateCompositeRtfButton, kCreateCompositeHtmlButton}) {
    SCOPED_TRACE(button);
    messages.Clear();
    Press(button);
    EXPECT_EQ(Messages(), std::vector<std::string>{message});
  }
  EXPECT_EQ(Read("Friday.rtf"), "old composite");
  EXPECT_EQ(Read("Friday.html"), "old page");
}

TEST_F(CompositeCommands, ViewOpensTheCompositeInItsFolderWhetherOrNotItExists) {
  struct Case {
    int button;
    const char* songPath;
    const char* appendText;
    const char* target;
    const char* workingFolder;
  };
  const Case cases[] = {
      {kViewCompositeRtfButton, "/gigs/Grace.txt", "-big", "/gigs/Friday-big.rtf", "/gigs"},
      {kViewCompositeHtmlButton, "/gigs/Grace.txt", "", "/gigs/Friday.html", "/gigs"},
      {kViewCompositeHtmlButton, "", "", "/Friday.html", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.target);
    dialog.songPath = c.songPath;
    Type(kAppendEdit, c.appendText);
    Press(c.button);
    ASSERT_FALSE(opened.Requests().empty());
    EXPECT_EQ(opened.Requests().back().target, c.target);
    EXPECT_EQ(opened.Requests().back().workingDirectory, c.workingFolder);
  }
  EXPECT_EQ(opened.Requests().size(), 3u);
  EXPECT_TRUE(Messages().empty());
}

// Three example songs through the set-list command and the composite, as a user makes them.
class ExampleComposites : public DialogCommands {
 protected:
  void SetUp() override {
    DialogCommands::SetUp();
    for (const char* song : {"amazing-grace.txt", "the-water-is-wide.txt", "scarborough-fair.txt"}) {
      folder.CopyIn(std::string("examples/") + song, song);
    }
    folder.Write("Three.txt", "amazing-grace\nthe-water-is-wide.txt\nscarborough-fair\n");
    Select("amazing-grace.txt");
    Type(kSetListNameEdit, "Three");
    Type(kAppendEdit, "-set");
  }
};

TEST_F(ExampleComposites, WordCompositeOfThreeSongsInTheFirstFormat) {
  Press(kCreateRtfFromSetListButton);
  Press(kCreateCompositeRtfButton);
  EXPECT_TRUE(Messages().empty());
  testsupport::ExpectMatchesGolden("rtf/composite-three-songs.rtf", Read("Three-set.rtf"));
}

TEST_F(ExampleComposites, WebCompositeOfThreeSongsInTwoAutomaticColumns) {
  Press(kTwoColumnsRadio);
  Check(kAutomaticCheck, true);
  Press(kCreateHtmlFromSetListButton);
  Press(kCreateCompositeHtmlButton);
  EXPECT_TRUE(Messages().empty());
  testsupport::ExpectMatchesGolden("html/composite-three-songs-two-columns.html", Read("Three-set.html"));
}
