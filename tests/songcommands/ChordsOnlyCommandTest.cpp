// "Create Chords Only" and "View Chords Only" driven through the dialog.
#include "SongCommandFixture.h"

using testsupport::ReadFileBytes;

using ChordsOnlyCommand = SongCommandFixture;

TEST_F(ChordsOnlyCommand, WritesTheSheetAndSelectsIt) {
  std::string song = folder.Write("Grace.txt",
                                  "Amazing Grace\n\nVerse 1\nG C G\nAmazing grace how sweet the sound\n\nChorus\nD G\n"
                                  "That saved a wretch like me\n");
  Open(song);
  Press(kCreateChordsOnlyButton);
  std::string sheet = folder / "Grace-chords.txt";
  EXPECT_EQ(ReadFileBytes(sheet), "Amazing Grace\r\n\r\nVerse 1\r\nG C G\r\n\r\nChorus\r\nD G\r\n");
  EXPECT_EQ(dialog.songPath, sheet);
  EXPECT_EQ(dialog.StatusLine(), sheet);
  EXPECT_EQ(settings.value, song) << "the sheet is not remembered";
  EXPECT_TRUE(messages.Messages().empty());

  // Pressed again on the sheet: the sheet would be the song itself.
  EXPECT_EQ(Press(kCreateChordsOnlyButton), "Error opening file " + sheet + "\n");
  EXPECT_EQ(messages.Messages(), std::vector<std::string>{"Error opening file " + sheet + " for writing"});
  EXPECT_EQ(ReadFileBytes(sheet), "Amazing Grace\r\n\r\nVerse 1\r\nG C G\r\n\r\nChorus\r\nD G\r\n");
  EXPECT_EQ(dialog.songPath, sheet);
}

TEST_F(ChordsOnlyCommand, SongWithoutExtensionIsItsOwnSheetAndStaysIntact) {
  std::string song = folder.Write("My.Songs/Blue", "Blue\nwords\nG C\n");
  Open(song);
  Press(kCreateChordsOnlyButton);
  EXPECT_EQ(messages.Messages(), std::vector<std::string>{"Error opening file " + song + " for writing"});
  EXPECT_EQ(ReadFileBytes(song), "Blue\nwords\nG C\n");
  EXPECT_EQ(dialog.songPath, song);
}

TEST_F(ChordsOnlyCommand, UnreadableSongKeepsTheSelection) {
  std::string missing = folder / "gone.txt";
  Open(missing);
  Press(kCreateChordsOnlyButton);
  EXPECT_EQ(messages.Messages(), std::vector<std::string>{"Error opening file " + missing + " for reading"});
  EXPECT_EQ(dialog.songPath, missing);
  EXPECT_FALSE(testsupport::FileExists(folder / "gone-chords.txt"));
}

TEST_F(ChordsOnlyCommand, ViewOpensTheSheetOfTheSongOrTheSheetItself) {
  for (const char* name : {"Blue.txt", "Blue-chords.txt"}) {
    SCOPED_TRACE(name);
    Open(folder / name);
    window->Press(kViewChordsOnlyButton);
    ASSERT_FALSE(opened.Requests().empty());
    EXPECT_EQ(opened.Requests().back().target, folder / "Blue-chords.txt");
    EXPECT_EQ(opened.Requests().back().workingDirectory, folder.Path().string());
  }
  std::size_t before = opened.Requests().size();
  dialog.songPath = "";
  window->Press(kViewChordsOnlyButton);
  EXPECT_EQ(opened.Requests().size(), before);
  EXPECT_TRUE(messages.Messages().empty());
}
