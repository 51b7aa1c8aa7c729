#include "songtext/Transpose.h"

#include <gtest/gtest.h>

#include <string>

#include "TestFiles.h"
#include "songtext/ChordLine.h"

namespace {

constexpr int kFlats = 0;
constexpr int kSharps = 1;
const std::string kBom = "\xEF\xBB\xBF";

TEST(Transpose, MovesNoteNamesThroughTheSpellingTables) {
  struct Case {
    std::string note;
    int steps;
    int useSharps;
    std::string moved;
  };
  const Case cases[] = {
      {"Bb", 2, kFlats, "C"},   {"A#", 0, kFlats, "Bb"}, {"Bb", 0, kSharps, "A#"}, {"G", 2, kFlats, "A"},
      {"C", -1, kSharps, "B"},  {"F#", -7, kFlats, "B"}, {"Ab", 7, kSharps, "D#"}, {"G#", 1, 2, "A"},
      {"E#", 3, kSharps, "E#"}, {"B#", -2, kFlats, "B#"}, {"Cb", 1, kFlats, "Cb"}, {"Fb", 0, kSharps, "Fb"},
      {"b", 2, kFlats, "b"},    {"bb", 2, kFlats, "bb"},  {"H", 2, kFlats, "H"},
      // Shifts outside the callers' -7..7 wrap round the octave instead of leaving the tables.
      {"A", 12, kSharps, "A"},  {"A", -12, kSharps, "A"}, {"A", 13, kSharps, "A#"}, {"A", -13, kSharps, "G#"},
      {"A", -30, kFlats, "Eb"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.note + " by " + std::to_string(c.steps));
    EXPECT_EQ(TransposeNoteName(c.note, c.steps, c.useSharps), c.moved);
  }
}

TEST(Transpose, ChordTokenStopsAtBlankSlashOrNextRoot) {
  struct Case {
    std::string line;
    std::size_t start;
    std::string text;
    bool hasSlash;
  };
  const Case cases[] = {
      {"C#m7  E", 0, "C#m7 ", false},  // two spaces follow: one goes with the chord
      {"C#m7 E", 0, "C#m7", false},
      {"Dm7/F", 0, "Dm7", true},
      {"Dm7/F", 4, "F", false},
      {"AmD", 0, "Am", false},
      {"Gsus4\t\tC", 0, "Gsus4", false},  // only spaces are taken along
      {"G7\r\n", 0, "G7", false},
      {std::string("G7\0 x", 5), 0, "G7", false},
      {"A  ", 0, "A ", false},
      {"A ", 0, "A", false},
      {"Bb", 0, "Bb", false},
      {"x Bb", 2, "Bb", false},
      {"G", 1, "", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testsupport::Visible(c.line) + " at " + std::to_string(c.start));
    const ChordToken token = ExtractChordToken(c.line, c.start);
    EXPECT_EQ(token.text, c.text);
    EXPECT_EQ(token.hasSlash, c.hasSlash);
  }
}

TEST(Transpose, ChordAtLeavesIndexOnItsLastCharacter) {
  struct Case {
    std::string line;
    std::size_t index;
    int steps;
    int useSharps;
    std::string chord;
    std::size_t indexAfter;
  };
  const Case cases[] = {
      {"Bb F", 0, 2, kFlats, "C ", 1},       // shrunk: padded
      {"A  D", 0, 1, kSharps, "A#", 1},      // grown: gives back the space it took along
      {"A D", 0, 1, kSharps, "A#", 0},       // grown, one space: nothing to give back
      {"C#m7  E", 0, -1, kSharps, "Cm7  ", 4},
      {"C#/G#", 0, -1, kFlats, "C", 1},      // shrunk before '/': not padded
      {"C#/G#", 3, -1, kFlats, "G ", 4},
      {"A#m Eb", 0, 0, kFlats, "Bbm", 2},
      {"E#7", 0, 5, kSharps, "E#7", 2},
      {"G", 1, 2, kFlats, "", 1},            // at the end of the line: nothing, index kept
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line + " at " + std::to_string(c.index));
    std::size_t index = c.index;
    EXPECT_EQ(TransposeChordAt(c.line, index, c.steps, c.useSharps), c.chord);
    EXPECT_EQ(index, c.indexAfter);
  }
}

struct LineCase {
  std::string line;
  int steps;
  int useSharps;
  std::string transposed;
};

void ExpectTransposedLines(std::initializer_list<LineCase> cases) {
  for (const LineCase& c : cases) {
    SCOPED_TRACE(testsupport::Visible(c.line) + " by " + std::to_string(c.steps) +
                 (c.useSharps != 0 ? " with sharps" : " with flats"));
    EXPECT_EQ(testsupport::Visible(TransposeLineText(c.line, c.steps, c.useSharps)),
              testsupport::Visible(c.transposed));
  }
}

TEST(Transpose, ChordLinesKeepChordsAboveTheirColumns) {
  ExpectTransposedLines({
      {"G C D", 2, kFlats, "A D E"},
      {"Bb F", 2, kFlats, "C  G"},
      {"A  D", 1, kSharps, "A# D#"},      // D# stays in column 3
      {"A D", 1, kSharps, "A# D#"},       // D# moves one column right
      {"C#m7  E", -1, kSharps, "Cm7   D#"},
      {"C#/G#", -1, kFlats, "C/G "},
      {"A#m Eb", 0, kFlats, "Bbm Eb"},
      {"A#m Eb", 0, kSharps, "A#m D#"},
      {"E# B# Cb Fb", 3, kSharps, "E# B# Cb Fb"},
      {"E# B# Cb Fb", -5, kFlats, "E# B# Cb Fb"},
      {"Em7 (x2)", 3, kSharps, "Gm7 (x2)"},
      {"Dm7/F  G", 2, kFlats, "Em7/G  A"},
      {"Am G C/E Dsus4 Cmaj7", 1, kFlats, "Bbm Ab Db/F Ebsus4 Dbmaj7"},
      {"CADD9", 2, kFlats, "DBEE9"},      // an upper-case keyword is moved letter by letter
      {"A", 1, kFlats, "Bb"},
      {"Bb", 1, kSharps, "B "},
      {"", 3, kSharps, ""},
  });
}

TEST(Transpose, BackslashPutsALineInChordMode) {
  ExpectTransposedLines({
      {"\\Intro G C", 2, kFlats, "\\Intro A D"},
      {kBom + "\\Intro G C", 2, kFlats, kBom + "\\Intro A D"},
      {"Intro G C", 2, kFlats, "Intro G C"},
      {kBom + "G C", 2, kFlats, kBom + "A D"},
  });
}

TEST(Transpose, LyricLinesChangeOnlyMarkedChords) {
  ExpectTransposedLines({
      {"Amazing _G grace", 2, kFlats, "Amazing _A grace"},
      {"Amazing grace", 2, kFlats, "Amazing grace"},
      {"Sing it_", 2, kFlats, "Sing it_"},
      {"Sing _Am/G here", 2, kFlats, "Sing _Bm/G here"},   // the bass is not marked
      {"Sing _Am/_G here", 2, kFlats, "Sing _Bm/_A here"},
      {"so _Bb  now", 2, kFlats, "so _C   now"},
      {"!G C D _E", 2, kFlats, "!G C D _Gb"},
      {"Am \xC3\xA9 _C", 2, kFlats, "Am \xC3\xA9 _D"},
      {"G \xE2\x80\x93 C", 2, kFlats, "A \xE2\x80\x93 D"},
  });
}

// Lines no song should hold; none may make the test or the rewrite read past the line.
TEST(Transpose, HostileBytesStayInsideTheLine) {
  struct Case {
    std::string line;
    bool isChordLine;
    std::string transposed;  // by +1 with flats
  };
  const Case cases[] = {
      {std::string("G\0C", 3), true, std::string("Ab\0Db", 5)},
      {std::string("\0", 1), false, std::string("\0", 1)},
      {std::string("la _G\0", 6), false, std::string("la _Ab\0", 7)},
      {"la _", false, "la _"},
      {"Am _", true, "Bbm _"},
      {"G#", true, "A "},
      {"#", false, "#"},
      {"Bb", true, "B "},
      {"Bb/", true, "B/"},
      {"G/", true, "Ab/"},
      {"/G", true, "/Ab"},
      {"\\", false, "\\"},
      {"\xFF\xFF", false, "\xFF\xFF"},
      {"G\xFF", false, "G\xFF"},
      {"C \xC3", false, "C \xC3"},                // cut-off UTF-8: Ã
      {"\xEF\xBB", false, "\xEF\xBB"},
      {"G \xF4\x90\x80\x80", false, "G \xF4\x90\x80\x80"},  // above U+10FFFF: read as ô and more
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testsupport::Visible(c.line));
    EXPECT_EQ(IsChordLine(c.line), c.isChordLine);
    EXPECT_EQ(testsupport::Visible(TransposeLineText(c.line, 1, kFlats)), testsupport::Visible(c.transposed));
  }
}

}  // namespace
