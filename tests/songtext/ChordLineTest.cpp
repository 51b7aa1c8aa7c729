#include "songtext/ChordLine.h"

#include <gtest/gtest.h>

#include <string>

#include "TestFiles.h"

namespace {

const std::string kBom = "\xEF\xBB\xBF";

TEST(ChordLine, TellsChordLinesFromLyricLines) {
  struct Case {
    std::string line;
    bool isChordLine;
  };
  const Case cases[] = {
      {"Am G C/E Dsus4 Cmaj7 Gadd9 Bbm7b5 F#dim Eaug", true},
      {"Am7 D/F# G", true},
      {"Em7 (x2)", true},
      {"A", true},
      {"Mm", true},
      {"EX", true},
      {"bb", true},
      {"ADD9", true},
      {"CADD9", true},
      {"G\tC  |  D", true},
      {"\\G C D", true},
      {"N.C.", false},
      {"Intro: G C D", false},
      {"Chorus", false},
      {"Verse 1", false},
      {"a", false},
      {"Am I blue", false},
      {"Amazing grace", false},
      {"Max", false},
      {"Cdi", false},
      {"", false},
      {"     ", false},
      {"---- -- ----", false},
      {"!G C D", false},
      {"G !C", true},
      // A line end or NUL stops the test; what follows is not looked at.
      {"G C\r", true},
      {"G C\rlyric", true},
      {std::string("G\0lyric", 7), true},
      {std::string("\0G", 2), false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testsupport::Visible(c.line));
    EXPECT_EQ(IsChordLine(c.line), c.isChordLine);
  }
}

TEST(ChordLine, ReadsNonAsciiCharactersWhole) {
  struct Case {
    std::string line;
    bool isChordLine;
  };
  const Case cases[] = {
      {"Am \xC3\xA9", false},           // é is a letter but never a chord element
      {"\xC3\x89mile G", false},        // É
      {"Am \xE9", false},               // é in Windows-1252
      {"G \xE2\x80\x93 C", true},       // en dash is punctuation
      {"G \x96 C", true},               // en dash in Windows-1252
      {"G \xE2\x80\x9C" "C\xE2\x80\x9D", true},  // curly quotes
      {"\xE2\x80\x93", false},          // punctuation alone holds no letter
      {"G \xFF\xFF", false},            // ÿ in Windows-1252
      {"G \x80", true},                 // euro sign
      {kBom + "G C", true},
      {kBom, false},
      {kBom + "!G C D", false},         // the byte-order mark does not hide the '!'
      {"\xEF\xBB" "G", false},          // a cut-off mark reads as Windows-1252 letters
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testsupport::Visible(c.line));
    EXPECT_EQ(IsChordLine(c.line), c.isChordLine);
  }
}

TEST(ChordLine, ScansChordElementsGreedilyKeywordsFirst) {
  struct Case {
    std::string line;
    std::size_t index;
    int length;
  };
  const Case cases[] = {
      {"dim", 0, 3},   {"Dim7", 0, 3},  {"Add9", 0, 3}, {"Aug", 0, 3}, {"SUS4", 0, 3}, {"Cmaj7", 1, 3},
      {"min", 0, 3},   {"Bb", 0, 2},    {"C#m", 0, 2},  {"Ebm", 0, 2}, {"Am", 0, 1},   {"G", 0, 1},
      {"M", 0, 1},     {"m", 0, 1},     {"b", 0, 1},    {"x2", 0, 1},  {"X", 0, 1},    {"Cdi", 1, -1},
      {"di", 0, -1},   {"H", 0, -1},    {"a", 0, -1},   {"N", 0, -1},  {"g", 0, -1},   {"G", 1, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line + " at " + std::to_string(c.index));
    EXPECT_EQ(ScanChordElement(c.line, c.index), c.length);
  }
}

TEST(ChordLine, NoteLettersAreUpperCaseAToGOnly) {
  for (char c : std::string("ABCDEFG")) EXPECT_TRUE(IsNoteLetter(c)) << c;
  for (char c : std::string("abcdefgHMX#_ ")) EXPECT_FALSE(IsNoteLetter(c)) << c;
  EXPECT_FALSE(IsNoteLetter('\0'));
}

TEST(ChordLine, MarkedChordIsUnderscoreBeforeANoteLetter) {
  EXPECT_TRUE(IsMarkedChordAt("_G", 0));
  EXPECT_TRUE(IsMarkedChordAt("la_Bb", 2));
  EXPECT_FALSE(IsMarkedChordAt("_g", 0));
  EXPECT_FALSE(IsMarkedChordAt("_H", 0));
  EXPECT_FALSE(IsMarkedChordAt("G_", 1));  // '_' at the end of the line
  EXPECT_FALSE(IsMarkedChordAt("_G", 1));
}

}  // namespace
