// The real program on real files: what the command-line batch writes on standard output,
// byte for byte, which documents it writes and a few decisive bytes of each, its exit status,
// and the dialog road of a build without a window.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "RunProgram.h"
#include "TestFiles.h"

using e2e::Output;
using e2e::ProgramRun;
using e2e::RunProgram;
using testsupport::FileExists;
using testsupport::ReadFileBytes;
using testsupport::TempFolder;
namespace fs = std::filesystem;

namespace {

using Args = std::vector<std::string>;

const std::string kProgram = MELVANE_PROGRAM;
const std::string kConsoleProgram = MELVANE_CONSOLE_PROGRAM;

const char* const kRefusal = "melvane: this build has no window; run the batch instead";

// Lyric lines only, "line 1" to "line <count>": a column break shows as the line it precedes.
std::string NumberedLines(int count) {
  std::string text;
  for (int i = 1; i <= count; ++i) text += "line " + std::to_string(i) + "\n";
  return text;
}

const std::string kChordSong = "Grace\n\nG       C\nAmazing grace\n";

// The whole line of `text` that starts with `prefix` (without its line end), or "" when none.
std::string LineStartingWith(const std::string& text, const std::string& prefix) {
  std::size_t start = 0;
  if (text.compare(0, prefix.size(), prefix) != 0) {
    start = text.find('\n' + prefix);
    if (start == std::string::npos) return "";
    ++start;
  }
  return text.substr(start, text.find('\n', start) - start);
}

std::string Describe(const Args& args) {
  std::string text;
  for (const std::string& arg : args) text += "[" + arg + "]";
  return text;
}

std::vector<std::string> NamesIn(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

constexpr const char* kIndentedPre8 =
    "pre { padding-left: 0.8cm; padding-top: 0.2cm; padding-bottom: 0.2cm; "
    "font-family:Lucida Console, Courier; font-size:8pt }";
constexpr const char* kColumnBreak = "</pre>\n</td>\n<td class='lborder'>\n<pre>\n";

class Batch : public ::testing::Test {
 protected:
  void SetUp() override { dir_ = fs::canonical(folder_.Path()).string(); }

  ProgramRun Run(const Args& args, Output output = Output::Captured) {
    return RunProgram(kProgram, args, folder_.Path(), output);
  }
  // The same program without a window, for the cases that take the dialog road.
  ProgramRun RunWithoutWindow(const Args& args) { return RunProgram(kConsoleProgram, args, folder_.Path()); }

  std::string Document(const std::string& name) { return ReadFileBytes(folder_.Path() / name); }
  bool Exists(const std::string& name) { return FileExists(folder_.Path() / name); }
  // The path the program prints for a file in the folder.
  std::string Full(const std::string& name) { return dir_ + "/" + name; }

  TempFolder folder_;
  std::string dir_;
};

}  // namespace

TEST_F(Batch, RtfOnTwoFilesEchoesArgumentsThenNamesEachMatchAndWritesEachDocument) {
  folder_.CopyIn("examples/amazing-grace.txt", "a.txt");
  folder_.Write("b.txt", kChordSong);
  const ProgramRun run = Run({"-r", "*.txt"});
  EXPECT_EQ(run.standardOutput,
            "-r*.txtMelvane rtf: " + Full("a.txt") + "\nMelvane rtf: " + Full("b.txt") + "\n");
  EXPECT_EQ(run.standardError, "");
  EXPECT_EQ(run.exitStatus, 0);
  for (const char* name : {"a.rtf", "b.rtf"}) {
    SCOPED_TRACE(name);
    const std::string document = Document(name);
    EXPECT_EQ(document.rfind("{\\rtf1\\ansi", 0), 0u);
    // The record's default size 2 as 10 points (20 half-points), one indented portrait column.
    EXPECT_NE(document.find("\\marglsxn1080"), std::string::npos);
    EXPECT_NE(document.find("\\plain\\f0\\fs20 \n\n"), std::string::npos);
    EXPECT_EQ(document.find("\\cols2"), std::string::npos);
    EXPECT_EQ(document.back(), '}');
  }
  EXPECT_NE(Document("b.rtf").find("{\\b G}\\~\\~\\~\\~\\~\\~\\~{\\b C}\\line\n"), std::string::npos);
  EXPECT_FALSE(Exists("a.rtf.tmp"));
  EXPECT_FALSE(Exists("a.html"));
}

TEST_F(Batch, HtmlWritesHeadingsThenOneLinePerMatchAndPagesAtEightPointsBoldSpacedIndented) {
  folder_.Write("songs/Grace.txt", kChordSong);
  folder_.CopyIn("examples/shenandoah.txt", "songs/Shenandoah.txt");
  folder_.Write("songs/notes.doc", "not a song");
  const ProgramRun run = Run({"-h", "songs/*.txt"});
  EXPECT_EQ(run.standardOutput,
            "-hsongs/*.txtMelvane 1.08\nUsing songs/*.txt to create HTML file of size 1.\nMelvane html: " +
                Full("songs/Grace.txt") + "\nMelvane html: " + Full("songs/Shenandoah.txt") + "\n");
  EXPECT_EQ(run.standardError, "");
  EXPECT_EQ(run.exitStatus, 0);
  for (const char* name : {"songs/Grace.html", "songs/Shenandoah.html"}) {
    SCOPED_TRACE(name);
    const std::string page = Document(name);
    EXPECT_EQ(
        LineStartingWith(page, ".chord {"),
        ".chord { font-family:Lucida Console, Courier; font-size:8pt; font-weight: bold; line-height:1.5; "
        "vertical-align:sub; }");
    EXPECT_EQ(LineStartingWith(page, ".lyric {"),
              ".lyric { font-family:Lucida Console, Courier; font-size:8pt; }");
    EXPECT_EQ(LineStartingWith(page, "pre {"), kIndentedPre8);
    EXPECT_EQ(page.find("<table>"), std::string::npos);
    EXPECT_EQ(page.substr(page.size() - 7), "</html>");
  }
  EXPECT_NE(
      Document("songs/Grace.html").find("<span class='chord'>G</span>       <span class='chord'>C</span>\n"),
      std::string::npos);
  EXPECT_FALSE(Exists("songs/notes.html"));
}

TEST_F(Batch, SizeNineIsReportedAsGivenAndWrittenAsFourteenPointsInTwoUnindentedColumns) {
  folder_.Write("x1.txt", NumberedLines(30));
  folder_.Write("y1.txt", NumberedLines(30));
  const ProgramRun run = Run({"-s9", "-c20", "x*.txt"});
  EXPECT_EQ(run.standardOutput,
            "-s9-c20x*.txtMelvane 1.08\nUsing x*.txt to create HTML file of size 9.\nMelvane html: " +
                Full("x1.txt") + "\n");
  EXPECT_EQ(run.exitStatus, 0);
  const std::string page = Document("x1.html");
  EXPECT_EQ(
      LineStartingWith(page, ".chord {"),
      ".chord { font-family:Lucida Console, Courier; font-size:14pt; font-weight: bold; line-height:1.5; "
      "vertical-align:sub; }");
  EXPECT_EQ(LineStartingWith(page, "pre {"), "pre { font-family:Lucida Console, Courier; font-size:14pt }");
  EXPECT_NE(page.find("<table>\n<tr><td>\n<pre>\nline 1\n"), std::string::npos);
  EXPECT_NE(page.find(std::string("line 19\n") + kColumnBreak + "line 20\n"), std::string::npos);
  EXPECT_FALSE(Exists("y1.html"));
}

TEST_F(Batch, ColumnOptionPlacesTheHtmlBreakByItsTwoDigitsOrLetsTheWriterPlaceIt) {
  struct Case {
    const char* option;
    const char* breakInA;  // the first line of a.html's second column; "" for no break
    const char* breakInB;
  };
  // a.txt has 30 lines and b.txt 10, in one run: the automatic break gives each page half its
  // lines, whatever the writer left in the shared record after the page before.
  const Case cases[] = {
      {"-c5", "line 15\n", "line 5\n"},
      {"-c", "line 15\n", "line 5\n"},
      {"-c123", "line 12\n", ""},
      {"-c00", "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.option);
    TempFolder folder;
    folder.Write("a.txt", NumberedLines(30));
    folder.Write("b.txt", NumberedLines(10));
    const ProgramRun run = RunProgram(kProgram, {c.option, "*.txt"}, folder.Path());
    EXPECT_EQ(run.exitStatus, 0);
    for (const auto& [name, first] : {std::pair{"a.html", c.breakInA}, std::pair{"b.html", c.breakInB}}) {
      SCOPED_TRACE(name);
      const std::string page = ReadFileBytes(folder / name);
      EXPECT_NE(page.find("<table>\n<tr><td>\n<pre>\nline 1\n"), std::string::npos);
      EXPECT_EQ(LineStartingWith(page, "pre {"),
                "pre { font-family:Lucida Console, Courier; font-size:8pt }");
      if (*first == '\0') {
        EXPECT_EQ(page.find(kColumnBreak), std::string::npos);
      } else {
        EXPECT_NE(page.find(std::string(kColumnBreak) + first), std::string::npos);
      }
    }
  }
}

TEST_F(Batch, RtfTakesPrecedenceOverHtmlInEitherOrderAndTakesTheColumnOption) {
  struct Case {
    Args args;
    bool twoColumns;
  };
  const Case cases[] = {
      {{"-r", "-h", "*.txt"}, false},
      {{"-h", "-r", "*.txt"}, false},
      {{"-c05", "-r", "*.txt"}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(Describe(c.args));
    TempFolder folder;
    folder.Write("a.txt", NumberedLines(8));
    const std::string dir = fs::canonical(folder.Path()).string();
    const ProgramRun run = RunProgram(kProgram, c.args, folder.Path());
    std::string echo;
    for (const std::string& arg : c.args) echo += arg;
    EXPECT_EQ(run.standardOutput, echo + "Melvane rtf: " + dir + "/a.txt\n");
    EXPECT_EQ(run.exitStatus, 0);
    EXPECT_FALSE(FileExists(folder / "a.html"));
    const std::string document = ReadFileBytes(folder / "a.rtf");
    if (c.twoColumns) {
      EXPECT_NE(document.find("\\f0\\cols2\\fs20 \n\n"), std::string::npos);
      EXPECT_NE(document.find("line\\~5\\line\n\\column\nline\\~6\\line\n"), std::string::npos);
    } else {
      EXPECT_NE(document.find("\\plain\\f0\\fs20 \n\n"), std::string::npos);
      EXPECT_EQ(document.find("\\column"), std::string::npos);
    }
  }
}

TEST_F(Batch, WithoutABatchAndAPatternTheWindowlessBuildRefusesAndWritesNothing) {
  folder_.Write("a.txt", kChordSong);
  const Args cases[] = {{"-R", "*.txt"}, {"-r"}, {"-h", "*.txt", ""}, {"*.txt"}, {"-x", "/h", "*.txt"}, {}};
  for (const Args& args : cases) {
    SCOPED_TRACE(Describe(args));
    const ProgramRun run = RunWithoutWindow(args);
    std::string echo;
    for (const std::string& arg : args) echo += arg;
    EXPECT_EQ(run.standardOutput, echo);
    EXPECT_EQ(run.standardError.rfind(kRefusal, 0), 0u) << run.standardError;
    EXPECT_EQ(run.standardError.find('\n'), run.standardError.size() - 1);
    EXPECT_EQ(run.exitStatus, 2);
    EXPECT_EQ(NamesIn(folder_.Path()), std::vector<std::string>{"a.txt"});
  }
}

TEST_F(Batch, QuotesAroundThePatternAreRemovedAndQuotesInsideItStay) {
  folder_.Write("my song.txt", kChordSong);
  folder_.Write("say\"hi\".txt", kChordSong);
  ProgramRun run = Run({"-h", "\"\"my song.txt\""});
  EXPECT_EQ(run.standardOutput,
            "-h\"\"my song.txt\"Melvane 1.08\nUsing my song.txt to create HTML file of size 1.\n"
            "Melvane html: " +
                Full("my song.txt") + "\n");
  EXPECT_TRUE(Exists("my song.html"));
  run = Run({"-r", "\"say\"hi\".txt\""});
  EXPECT_EQ(run.standardOutput, "-r\"say\"hi\".txt\"Melvane rtf: " + Full("say\"hi\".txt") + "\n");
  EXPECT_TRUE(Exists("say\"hi\".rtf"));
}

TEST_F(Batch, TheLastNonOptionArgumentIsThePattern) {
  folder_.Write("one.txt", kChordSong);
  folder_.Write("two.txt", kChordSong);
  const ProgramRun run = Run({"one.txt", "two.txt", "-h"});
  EXPECT_EQ(run.standardOutput,
            "one.txttwo.txt-hMelvane 1.08\nUsing two.txt to create HTML file of size 1.\n"
            "Melvane html: " +
                Full("two.txt") + "\n");
  EXPECT_TRUE(Exists("two.html"));
  EXPECT_FALSE(Exists("one.html"));
}

TEST_F(Batch, FoldersAmongTheMatchesAreNeverHandedToAWriter) {
  folder_.Write("a.txt", kChordSong);
  fs::create_directory(folder_.Path() / "sub");
  fs::create_directory(folder_.Path() / "sub.txt");
  const ProgramRun run = Run({"-r", "*"});
  EXPECT_EQ(run.standardOutput, "-r*Melvane rtf: " + Full("a.txt") + "\n");
  EXPECT_EQ(run.standardError, "");
  EXPECT_EQ(run.exitStatus, 0);
  EXPECT_FALSE(Exists("sub.rtf"));
}

TEST_F(Batch, APatternThatMatchesNothingWritesOnlyTheEchoAndTheHtmlHeadings) {
  folder_.Write("a.txt", kChordSong);
  ProgramRun run = Run({"-r", "*.none"});
  EXPECT_EQ(run.standardOutput, "-r*.none");
  EXPECT_EQ(run.exitStatus, 0);
  run = Run({"-h", "*.none"});
  EXPECT_EQ(run.standardOutput, "-h*.noneMelvane 1.08\nUsing *.none to create HTML file of size 1.\n");
  EXPECT_EQ(run.standardError, "");
  EXPECT_EQ(run.exitStatus, 0);
  EXPECT_EQ(NamesIn(folder_.Path()), std::vector<std::string>{"a.txt"});
}

TEST_F(Batch, ASongThatCannotBeReadIsReportedAndTheBatchGoesOnThenExitsOne) {
  for (const char* option : {"-h", "-r"}) {
    SCOPED_TRACE(option);
    TempFolder folder;
    folder.Write("a.txt", kChordSong);
    fs::create_symlink(folder.Path() / "gone", folder.Path() / "b.txt");
    folder.Write("c.txt", kChordSong);
    const std::string dir = fs::canonical(folder.Path()).string();
    const ProgramRun run = RunProgram(kProgram, {option, "*.txt"}, folder.Path());
    const std::string kind = option == std::string("-h") ? "html" : "rtf";
    const std::string heading =
        kind == "html" ? "Melvane 1.08\nUsing *.txt to create HTML file of size 1.\n" : std::string();
    std::string expected = std::string(option) + "*.txt" + heading;
    for (const char* song : {"a.txt", "b.txt", "c.txt"})
      expected += "Melvane " + kind + ": " + dir + "/" + song + "\n";
    EXPECT_EQ(run.standardOutput, expected);
    EXPECT_EQ(run.standardError, "melvane: Error opening file " + dir + "/b.txt for reading\n");
    EXPECT_EQ(run.exitStatus, 1);
    EXPECT_TRUE(FileExists(folder / ("a." + kind)));
    EXPECT_FALSE(FileExists(folder / ("b." + kind)));
    EXPECT_TRUE(FileExists(folder / ("c." + kind)));
  }
}

TEST_F(Batch, MessagesCarryTheProgramsFileNameWithoutItsExtension) {
  TempFolder programFolder;
  const fs::path renamed = programFolder.Path() / "songbook.bin";
  fs::copy_file(kProgram, renamed);
  fs::permissions(renamed, fs::perms::owner_exec, fs::perm_options::add);
  fs::create_symlink(folder_.Path() / "gone", folder_.Path() / "b.txt");
  const ProgramRun run = RunProgram(renamed.string(), {"-r", "*.txt"}, folder_.Path());
  EXPECT_EQ(run.standardError, "songbook: Error opening file " + Full("b.txt") + " for reading\n");
  EXPECT_EQ(run.exitStatus, 1);
}

TEST_F(Batch, AnAbsolutePatternWorksFromAnyFolderAndWritesBesideTheSongs) {
  folder_.Write("songs/Grace.txt", kChordSong);
  TempFolder elsewhere;
  const std::string pattern = dir_ + "/songs/*.txt";
  const ProgramRun run = RunProgram(kProgram, {"-h", pattern}, elsewhere.Path());
  EXPECT_EQ(run.standardOutput,
            "-h" + pattern + "Melvane 1.08\nUsing " + pattern +
                " to create HTML file of size 1.\nMelvane html: " + Full("songs/Grace.txt") + "\n");
  EXPECT_EQ(run.exitStatus, 0);
  EXPECT_TRUE(Exists("songs/Grace.html"));
  EXPECT_TRUE(NamesIn(elsewhere.Path()).empty());
}

TEST_F(Batch, APercentSignIsEchoedAndPrintedAsItIs) {
  folder_.Write("100%s.txt", kChordSong);
  const ProgramRun run = Run({"-h", "100%s.txt"});
  EXPECT_EQ(run.standardOutput,
            "-h100%s.txtMelvane 1.08\nUsing 100%s.txt to create HTML file of size 1.\n"
            "Melvane html: " +
                Full("100%s.txt") + "\n");
  EXPECT_TRUE(Exists("100%s.html"));
}

TEST_F(Batch, AClosedStandardOutputDoesNotStopTheBatchHalfWay) {
  folder_.Write("a.txt", NumberedLines(40));
  folder_.Write("b.txt", NumberedLines(40));
  const ProgramRun run = Run({"-h", "*.txt"}, Output::ClosedPipe);
  EXPECT_EQ(run.exitStatus, 0);
  for (const char* name : {"a.html", "b.html"}) {
    SCOPED_TRACE(name);
    const std::string page = Document(name);
    EXPECT_EQ(page.substr(page.size() - 7), "</html>");
  }
  EXPECT_FALSE(Exists("a.html.tmp"));
  EXPECT_FALSE(Exists("b.html.tmp"));
}
