// What a song's Word document holds, byte for byte: whole documents against golden files for
// the layouts that matter, and the body lines for the rules of chords, line ends and columns.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestFiles.h"
#include "platform/testing/Recorders.h"
#include "rtf/WriteRtfDocument.h"

using testsupport::ReadFileBytes;
using testsupport::TempFolder;

namespace {

// A song with a title, a line that only looks like chords, chord lines with a tab and with
// trailing blanks, a CR LF line, empty lines between chords and lyrics, letters outside ASCII,
// markup characters, and no final line break.
const std::string kSong =
    "Amazing Grace\n"
    "!G  D  Em\n"
    "\n"
    "G        G7      C       G\n"
    "Amazing grace, how sweet the sound\r\n"
    "        Em\t   D\n"
    "\n"
    "That saved a wretch like me\n"
    "Caf\xC3\xA9 \xC3\xBC" "ber Stra\xC3\x9F" "e \xE2\x80\x94 {braces} and a back\\slash\n"
    "  Am/C  D(sus4)  \n"
    "I once was lost\n"
    "but now am found";

struct DocumentFixture : ::testing::Test {
  TempFolder folder;
  platform::testing::MessageRecorder messages;

  std::string Document(const std::string& song, const FormatSettings& settings) {
    std::string path = folder.Write("song.txt", song);
    FormatSettings withPath = settings;
    withPath.songPath = path;
    EXPECT_EQ(WriteRtfDocument(withPath), 0);
    EXPECT_TRUE(messages.Messages().empty());
    return ReadFileBytes(folder / "song.rtf");
  }

  // The lines after the empty line that ends the head, each without its line feed; the last
  // one is the closing "}".
  std::vector<std::string> Body(const std::string& song, const FormatSettings& settings) {
    std::string document = Document(song, settings);
    std::size_t start = document.find("\n\n");
    EXPECT_NE(start, std::string::npos);
    std::vector<std::string> lines;
    for (std::size_t at = start + 2;;) {
      std::size_t end = document.find('\n', at);
      if (end == std::string::npos) {
        lines.push_back(document.substr(at));
        return lines;
      }
      lines.push_back(document.substr(at, end - at));
      at = end + 1;
    }
  }
};

FormatSettings Settings(bool bold, int chordSize, int lyricSize) {
  FormatSettings settings;
  settings.boldChords = bold;
  settings.chordSize = chordSize;
  settings.lyricSize = lyricSize;
  return settings;
}

}  // namespace

TEST_F(DocumentFixture, OneColumnBoldChordsInTheirOwnSizeIndented) {
  testsupport::ExpectMatchesGolden("rtf/one-column-bold-sizes-indented.rtf",
                                   Document(kSong, Settings(true, 10, 12)));
}

TEST_F(DocumentFixture, OneColumnPlainChordsInTheLyricSizeNotIndented) {
  FormatSettings settings = Settings(false, 12, 12);
  settings.indentPage = false;
  testsupport::ExpectMatchesGolden("rtf/one-column-plain-not-indented.rtf", Document(kSong, settings));
}

TEST_F(DocumentFixture, OneColumnWithLineSpacing) {
  FormatSettings settings = Settings(true, 12, 12);
  settings.lineSpacing = true;
  settings.lineHeight = "1.5";
  testsupport::ExpectMatchesGolden("rtf/one-column-line-spacing.rtf", Document(kSong, settings));
}

TEST_F(DocumentFixture, TwoColumnsBreakDeferredPastAChordLine) {
  FormatSettings settings = Settings(true, 9, 11);
  settings.columns = 1;
  settings.linesPerColumn = 4;
  settings.lineSpacing = true;
  settings.lineHeight = "2.0";
  settings.indentPage = false;
  testsupport::ExpectMatchesGolden("rtf/two-columns-deferred-break-spaced.rtf", Document(kSong, settings));
}

TEST_F(DocumentFixture, EmptySongStillGivesAWholeDocument) {
  testsupport::ExpectMatchesGolden("rtf/empty-song-one-column.rtf", Document("", Settings(true, 10, 0)));
  FormatSettings twoColumns;
  twoColumns.columns = 1;
  testsupport::ExpectMatchesGolden("rtf/empty-song-two-columns.rtf", Document("", twoColumns));
}

TEST_F(DocumentFixture, ChordGroupsCarryBoldAndSizeOnlyWhenAsked) {
  struct Case {
    const char* name;
    FormatSettings settings;
    const char* chordLine;
  };
  const Case cases[] = {
      {"bold, chord size differs", Settings(true, 10, 12), "{\\b\\fs20 G}\\~\\~\\~\\~{\\b\\fs20 D7}\\line"},
      {"bold, equal sizes", Settings(true, 12, 12), "{\\b G}\\~\\~\\~\\~{\\b D7}\\line"},
      {"plain, chord size differs", Settings(false, 14, 12), "{\\fs28 G}\\~\\~\\~\\~{\\fs28 D7}\\line"},
      // No space inside the group: it would be text and move every chord a column right.
      {"plain, equal sizes", Settings(false, 12, 12), "{G}\\~\\~\\~\\~{D7}\\line"},
      {"chord size 0", Settings(true, 0, 12), "{\\b\\fs0 G}\\~\\~\\~\\~{\\b\\fs0 D7}\\line"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Body("G    D7\n", c.settings), (std::vector<std::string>{c.chordLine, "}"}));
  }
}

TEST_F(DocumentFixture, SpacesTabsAndMarkupInChordAndLyricLines) {
  EXPECT_EQ(Body("  A\tD/F#  (Em)\n \n!G D\n\\{x}\tend\n", Settings(true, 12, 12)),
            (std::vector<std::string>{
                "\\~\\~{\\b A\tD/F#}\\~\\~{\\b (Em)}\\line",
                // A line of spaces only is not empty: it is a lyric line of non-breaking spaces.
                "\\~\\line",
                // A line starting with '!' is never a chord line.
                "!G\\~D\\line",
                "\\\\\\{x\\}\tend\\line",
                "}",
            }));
}

TEST_F(DocumentFixture, LineSpacingClosesEachChordAndLyricPairAsOneParagraph) {
  FormatSettings settings = Settings(true, 10, 12);
  settings.lineSpacing = true;
  settings.lineHeight = "1.5";
  EXPECT_EQ(Body("G\nthe sun is up\n\nC\n\nover the hill\nand far away\n", settings),
            (std::vector<std::string>{
                "{\\b\\fs20 G}\\line",
                "the\\~sun\\~is\\~up\\par \\sa140",
                "\\line",
                "{\\b\\fs20 C}\\line",
                // An empty line between chord and lyric does not break the pair.
                "\\line",
                "over\\~the\\~hill\\par \\sa140",
                // Of two lyric lines in a row the second ends with a plain line break.
                "and\\~far\\~away\\line",
                "}",
            }));

  settings.lineSpacing = false;
  EXPECT_EQ(Body("G\nthe sun is up\n", settings),
            (std::vector<std::string>{"{\\b\\fs20 G}\\line", "the\\~sun\\~is\\~up\\line", "}"}));
}

TEST_F(DocumentFixture, TwoColumnsBreakOnceAfterTheFirstLyricLineAtOrPastTheThreshold) {
  FormatSettings settings = Settings(false, 12, 12);
  settings.columns = 1;
  struct Case {
    const char* name;
    int linesPerColumn;
    const char* song;
    std::vector<std::string> body;
  };
  const Case cases[] = {
      {"chord lines at the threshold defer the break to the next lyric line", 4,
       "one\ntwo\nG\nC\nfive\nsix\n",
       {"one\\line", "two\\line", "{G}\\line", "{C}\\line", "five\\line", "\\column", "six\\line", "}"}},
      {"empty lines count but never bring the break", 3, "one\n\n\nfour\nfive\n",
       {"one\\line", "\\line", "\\line", "four\\line", "\\column", "five\\line", "}"}},
      {"0 breaks after the first lyric line", 0, "G\n\nwords\nmore\n",
       {"{G}\\line", "\\line", "words\\line", "\\column", "more\\line", "}"}},
      {"a negative count too", -7, "words\nmore\n", {"words\\line", "\\column", "more\\line", "}"}},
      {"a song shorter than the threshold has no break", 32, "G\nwords\n",
       {"{G}\\line", "words\\line", "}"}},
      {"a song of chord lines has no break", 1, "G\nC D\n", {"{G}\\line", "{C}\\~{D}\\line", "}"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    settings.linesPerColumn = c.linesPerColumn;
    EXPECT_EQ(Body(c.song, settings), c.body);
  }
}

TEST_F(DocumentFixture, OneColumnNeverBreaks) {
  FormatSettings settings;
  for (int linesPerColumn : {-1, 0, 1, 2, 32}) {
    SCOPED_TRACE(linesPerColumn);
    settings.linesPerColumn = linesPerColumn;
    EXPECT_EQ(Document("one\ntwo\nG\nthree\n", settings).find("\\column"), std::string::npos);
  }
}

TEST_F(DocumentFixture, PageSetUpEndsInTheLyricSizeAndAnEmptyLine) {
  struct Case {
    const char* name;
    FormatSettings settings;
    const char* ending;
  };
  FormatSettings twoColumns = Settings(true, 12, 12);
  twoColumns.columns = 1;
  twoColumns.indentPage = true;
  FormatSettings notIndented = Settings(true, 12, 0);
  notIndented.indentPage = false;
  const Case cases[] = {
      {"one column, indented", Settings(true, 12, 12),
       "\\marglsxn1080\\margtsxn720\\margrsxn720\\margbsxn720\\pard\\s17\\itap0\\nowidctlpar\\plain"
       "\\f0\\fs24 \n\n}"},
      {"one column, lyric size 0, not indented", notIndented,
       "\\marglsxn100\\margtsxn720\\margrsxn720\\margbsxn720\\pard\\s17\\itap0\\nowidctlpar\\plain"
       "\\f0\\fs0 \n\n}"},
      {"two columns, where the indent plays no part", twoColumns,
       "\\marglsxn200\\margtsxn50\\margrsxn50\\margbsxn50\\pard\\s17\\itap0\\nowidctlpar\\plain"
       "\\f0\\cols2\\fs24 \n\n}"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::string document = Document("", c.settings);
    EXPECT_TRUE(document.ends_with(c.ending)) << testsupport::Visible(document);
  }
}
