// "Transpose Song File" and "Convert Sharps/Flats" driven through the dialog.
#include "SongCommandFixture.h"

using testsupport::FileExists;
using testsupport::ReadFileBytes;

using TransposeCommand = SongCommandFixture;

TEST_F(TransposeCommand, ThreeWithSharpsRewritesTheSongAndKeepsTheOldOne) {
  std::string song = folder.Write("Grace.txt", "Amazing Grace\n\nG C D\nAmazing grace");
  Open(song);
  window->Press(kFirstStepRadio + 2);
  window->Press(kDisplaySharpsRadio);
  EXPECT_EQ(Press(kTransposeSongFileButton), "");
  EXPECT_EQ(ReadFileBytes(song), "Amazing Grace\r\n\r\nA# D# F\r\nAmazing grace\r\n");
  EXPECT_EQ(ReadFileBytes(folder / "Grace.bak"), "Amazing Grace\n\nG C D\nAmazing grace");
  EXPECT_TRUE(messages.Messages().empty());
  EXPECT_EQ(dialog.songPath, song);
}

TEST_F(TransposeCommand, EveryStepButtonMovesByItsLabel) {
  const char* flats[] = {"Bb", "B", "C", "Db", "D", "Eb", "E", "Ab", "G", "Gb", "F", "E", "Eb", "D"};
  std::string song = folder.Write("song.txt", "A\n");
  Open(song);
  for (int index = 0; index < 14; ++index) {
    SCOPED_TRACE(index);
    testsupport::WriteFileBytes(song, "A\n");
    window->Press(kFirstStepRadio + index);
    Press(kTransposeSongFileButton);
    EXPECT_EQ(ReadFileBytes(song), std::string(flats[index]) + "\r\n");
  }
}

TEST_F(TransposeCommand, ConvertAndNoStepCheckedOnlyReSpell) {
  std::string song = folder.Write("song.txt", "A#m D#\nAmazing grace\n");
  Open(song);
  window->Press(kFirstStepRadio + 4);  // ignored by Convert
  Press(kConvertSharpsFlatsButton);
  EXPECT_EQ(ReadFileBytes(song), "Bbm Eb\r\nAmazing grace\r\n");
  EXPECT_EQ(dialog.convertOnly, 0);

  window->SetCheckState(kFirstStepRadio + 4, 0);
  window->Press(kDisplaySharpsRadio);
  Press(kTransposeSongFileButton);
  EXPECT_EQ(ReadFileBytes(song), "A#m D#\r\nAmazing grace\r\n");
}

TEST_F(TransposeCommand, RunningTwiceLeavesFourUpAndTheBackupTwoUp) {
  std::string song = folder.Write("song.txt", "G\n");
  Open(song);
  window->Press(kFirstStepRadio + 1);
  Press(kTransposeSongFileButton);
  Press(kTransposeSongFileButton);
  EXPECT_EQ(ReadFileBytes(song), "B\r\n");
  EXPECT_EQ(ReadFileBytes(folder / "song.bak"), "A\r\n");
}

TEST_F(TransposeCommand, NothingSelectedDoesNothingAndAMissingSongIsReported) {
  Open("");
  EXPECT_EQ(Press(kTransposeSongFileButton), "");
  EXPECT_TRUE(messages.Messages().empty());

  std::string missing = folder / "gone.txt";
  dialog.songPath = missing;
  Press(kTransposeSongFileButton);
  EXPECT_EQ(messages.Messages(), std::vector<std::string>{"Error opening file " + missing + " for reading"});
  EXPECT_FALSE(FileExists(folder / "gone.tmp"));
  EXPECT_FALSE(FileExists(folder / "gone.bak"));
}
