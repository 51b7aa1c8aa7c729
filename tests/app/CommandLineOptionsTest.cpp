// Reading the command line: which argument is an option, what each option sets, the pattern.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/CommandLineOptions.h"

namespace {

using Args = std::vector<std::string>;

std::string Describe(const Args& args) {
  std::string text;
  for (const std::string& arg : args) text += "[" + arg + "]";
  return text;
}

}  // namespace

TEST(ReadCommandLine, NothingGivenKeepsTheStartingValues) {
  const CommandLineOptions options = ReadCommandLine({});
  EXPECT_EQ(options.pattern, "");
  EXPECT_FALSE(options.batch);
  EXPECT_FALSE(options.rtf);
  EXPECT_EQ(options.lyricValue, 1);
  EXPECT_EQ(options.chordValue, 1);
  EXPECT_FALSE(options.twoColumns);
  EXPECT_EQ(options.linesPerColumn, 36);
  EXPECT_TRUE(options.automatic);
}

TEST(ReadCommandLine, OptionIsToldByItsSecondCharacterAlone) {
  struct Case {
    Args args;
    bool batch;
    bool rtf;
  };
  const Case cases[] = {
      {{"-h"}, true, false},      {{"-i"}, true, false},        {{"-html"}, true, false},
      {{"-r"}, true, true},       {{"-rich"}, true, true},      {{"-r", "-h"}, true, true},
      {{"-h", "-r"}, true, true}, {{"-R"}, false, false},       {{"-H"}, false, false},
      {{"-x"}, false, false},     {{"-"}, false, false},        {{"--h"}, false, false},
      {{"/h"}, false, false},     {{"/r"}, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(Describe(c.args));
    const CommandLineOptions options = ReadCommandLine(c.args);
    EXPECT_EQ(options.batch, c.batch);
    EXPECT_EQ(options.rtf, c.rtf);
  }
}

TEST(ReadCommandLine, SizeOptionsReadTheirNumberAsAtoiAndLaterOnesWin) {
  struct Case {
    Args args;
    int lyric;
    int chord;
  };
  const Case cases[] = {
      {{"-s3"}, 3, 3},           {{"-l4"}, 4, 1},
      {{"-m2"}, 1, 2},           {{"-l3", "-s2"}, 2, 2},
      {{"-s2", "-l3"}, 3, 2},    {{"-m4", "-l3"}, 3, 4},
      {{"-s9"}, 9, 9},           {{"-s"}, 0, 0},
      {{"-sx"}, 0, 0},           {{"-s12abc"}, 12, 12},
      {{"-s -7"}, -7, -7},       {{"-s+3"}, 3, 3},
      {{"-s99999999999"}, 2147483647, 2147483647},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(Describe(c.args));
    const CommandLineOptions options = ReadCommandLine(c.args);
    EXPECT_TRUE(options.batch);
    EXPECT_EQ(options.lyricValue, c.lyric);
    EXPECT_EQ(options.chordValue, c.chord);
  }
}

TEST(ReadCommandLine, ColumnsOptionTakesExactlyTwoDigitsOrNone) {
  struct Case {
    const char* arg;
    int linesPerColumn;
    bool automatic;
  };
  const Case cases[] = {
      {"-c", 36, true},    {"-c20", 20, false}, {"-c5", 36, true},  {"-c123", 12, false},
      {"-c00", 0, false},  {"-c07", 7, false},  {"-c1x", 36, true}, {"-cx12", 36, true},
      {"-c 12", 36, true}, {"-c-1", 36, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arg);
    const CommandLineOptions options = ReadCommandLine({c.arg});
    EXPECT_TRUE(options.batch);
    EXPECT_TRUE(options.twoColumns);
    EXPECT_EQ(options.linesPerColumn, c.linesPerColumn);
    EXPECT_EQ(options.automatic, c.automatic);
  }
}

TEST(ReadCommandLine, ALaterColumnsOptionWithoutDigitsKeepsTheEarlierCount) {
  const CommandLineOptions options = ReadCommandLine({"-c20", "-c"});
  EXPECT_EQ(options.linesPerColumn, 20);
  EXPECT_FALSE(options.automatic);
}

TEST(ReadCommandLine, LastNonOptionArgumentIsThePatternWithOuterQuotesRemoved) {
  struct Case {
    Args args;
    const char* pattern;
  };
  const Case cases[] = {
      {{"-h", "*.txt"}, "*.txt"},
      {{"one.txt", "two.txt", "-h"}, "two.txt"},
      {{"-h", "*.txt", ""}, ""},
      {{"\"songs/a b.txt\""}, "songs/a b.txt"},
      {{"\"\"x.txt\"\"\""}, "x.txt"},
      {{"say \"hi\".txt"}, "say \"hi\".txt"},
      {{"\"a\"b\""}, "a\"b"},
      {{"\"\"\""}, ""},
      {{"\"-h\""}, "-h"},
      {{"/songs/*.txt"}, "/songs/*.txt"},
      {{"100%.txt"}, "100%.txt"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(Describe(c.args));
    EXPECT_EQ(ReadCommandLine(c.args).pattern, c.pattern);
  }
}

TEST(ReadCommandLine, AQuotedOptionIsAPatternAndSwitchesNothingOn) {
  const CommandLineOptions options = ReadCommandLine({"\"-r\""});
  EXPECT_FALSE(options.batch);
  EXPECT_FALSE(options.rtf);
}

TEST(RunsBatch, NeedsBothABatchOptionAndANonEmptyPattern) {
  struct Case {
    Args args;
    bool runs;
  };
  const Case cases[] = {
      {{"-h", "*.txt"}, true}, {{"*.txt", "-r"}, true}, {{"-r"}, false},
      {{"*.txt"}, false},      {{"-R", "*.txt"}, false}, {{"-h", "*.txt", "\"\""}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(Describe(c.args));
    EXPECT_EQ(RunsBatch(ReadCommandLine(c.args)), c.runs);
  }
}
