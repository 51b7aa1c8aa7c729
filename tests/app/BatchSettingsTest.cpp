// The records the batches hand to the writers: which fields come from the command line, and
// the sizes as points.
#include <gtest/gtest.h>

#include "app/BatchSettings.h"

TEST(HtmlBatchSettings, SizesAreLimitedToOneToFourThenMadePoints) {
  struct Case {
    int value;
    int points;
  };
  const Case cases[] = {{1, 8}, {2, 10}, {3, 12}, {4, 14}, {0, 8}, {-7, 8}, {9, 14}, {2147483647, 14}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    CommandLineOptions lyric;
    lyric.lyricValue = c.value;
    EXPECT_EQ(HtmlBatchSettings(lyric).lyricSize, c.points);
    EXPECT_EQ(HtmlBatchSettings(lyric).chordSize, 8);
    CommandLineOptions chord;
    chord.chordValue = c.value;
    EXPECT_EQ(HtmlBatchSettings(chord).chordSize, c.points);
    EXPECT_EQ(HtmlBatchSettings(chord).lyricSize, 8);
  }
}

TEST(HtmlBatchSettings, OneColumnIsIndentedTwoColumnsAreNot) {
  CommandLineOptions one;
  const FormatSettings single = HtmlBatchSettings(one);
  EXPECT_EQ(single.columns, 0);
  EXPECT_TRUE(single.indentPage);
  EXPECT_EQ(single.linesPerColumn, 36);
  EXPECT_TRUE(single.autoColumns);
  EXPECT_TRUE(single.boldChords);
  EXPECT_TRUE(single.lineSpacing);
  EXPECT_EQ(single.lineHeight, "1.5");
  EXPECT_EQ(single.songPath, "");

  CommandLineOptions two;
  two.twoColumns = true;
  two.linesPerColumn = 20;
  two.automatic = false;
  const FormatSettings pair = HtmlBatchSettings(two);
  EXPECT_EQ(pair.columns, 1);
  EXPECT_FALSE(pair.indentPage);
  EXPECT_EQ(pair.linesPerColumn, 20);
  EXPECT_FALSE(pair.autoColumns);
}

TEST(RtfBatchSettings, TakesSongAndColumnsFromTheCommandLineAndTenPointSizesWhateverItSays) {
  CommandLineOptions options;
  options.lyricValue = 4;
  options.chordValue = 3;
  options.twoColumns = true;
  options.linesPerColumn = 12;
  options.automatic = false;
  const FormatSettings settings = RtfBatchSettings(options, "/songs/Grace.txt");
  EXPECT_EQ(settings.songPath, "/songs/Grace.txt");
  EXPECT_EQ(settings.chordSize, 10);
  EXPECT_EQ(settings.lyricSize, 10);
  EXPECT_EQ(settings.columns, 1);
  EXPECT_EQ(settings.linesPerColumn, 12);
  EXPECT_FALSE(settings.autoColumns);
  // The record's own defaults for everything the command line does not name.
  EXPECT_TRUE(settings.boldChords);
  EXPECT_TRUE(settings.indentPage);
  EXPECT_FALSE(settings.lineSpacing);
  EXPECT_EQ(settings.lineHeight, "1.5");
}

TEST(RtfBatchSettings, OneColumnByDefaultWithThirtySixLines) {
  const FormatSettings settings = RtfBatchSettings(CommandLineOptions{}, "/a.txt");
  EXPECT_EQ(settings.columns, 0);
  EXPECT_EQ(settings.linesPerColumn, 36);
  EXPECT_TRUE(settings.autoColumns);
}
