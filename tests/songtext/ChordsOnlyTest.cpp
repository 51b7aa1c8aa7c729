// Chords-only sheets: their names, the lines they keep, and that the song is never harmed.
#include <gtest/gtest.h>

#include "TestFiles.h"
#include "platform/testing/FaultPlan.h"
#include "platform/testing/Recorders.h"
#include "songtext/ChordsOnly.h"

using platform::testing::MessageRecorder;
using testsupport::ReadFileBytes;
using testsupport::TempFolder;

namespace {

int WriteSheet(const std::string& song, const std::string& sheet, int* lines = nullptr) {
  SongContext context;
  testing::internal::CaptureStdout();
  int result = WriteChordsOnly(context, song, sheet, lines);
  testing::internal::GetCapturedStdout();
  return result;
}

}  // namespace

TEST(ChordsFileName, AddsChordsBeforeTheExtensionOfTheFileName) {
  struct Case {
    const char* song;
    const char* sheet;
  };
  const Case cases[] = {
      {"/songs/Blue.txt", "/songs/Blue-chords.txt"},
      {"/songs/Blue.song", "/songs/Blue-chords.txt"},
      {"/songs/Blue.TXT", "/songs/Blue-chords.TXT"},
      {"/songs/Blue-chords.txt", "/songs/Blue-chords.txt"},
      {"/songs/Blue", "/songs/Blue"},
      {"/My.Songs/Blue", "/My.Songs/Blue"},
      {"/my-chords/Blue.txt", "/my-chords/Blue-chords.txt"},
      {"Blue-chords", "Blue-chords"},
      {".txt", ".txt"},
      {"", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.song);
    EXPECT_EQ(ChordsFileName(c.song), c.sheet);
  }
}

TEST(WriteChordsOnly, KeepsTitleChordLinesHeadingsAndEmptyLines) {
  TempFolder folder;
  std::string song = folder.Write("Grace.txt",
                                  "Amazing Grace\n\nVerse 1\nG C G\nAmazing grace how sweet the sound\n\nChorus\nD G\n"
                                  "That saved a wretch like me\n");
  std::string sheet = ChordsFileName(song);
  int lines = 0;
  EXPECT_EQ(WriteSheet(song, sheet, &lines), 0);
  EXPECT_EQ(lines, 7);
  EXPECT_EQ(ReadFileBytes(sheet), "Amazing Grace\r\n\r\nVerse 1\r\nG C G\r\n\r\nChorus\r\nD G\r\n");
}

TEST(WriteChordsOnly, LineRules) {
  struct Case {
    const char* line;
    bool kept;
  };
  const Case cases[] = {
      {"CHORUS", false},        {"chorus:", false},          {"Pre-Chorus", true},  {"Verses", true},
      {"--------", true},       {"-------", false},          {"a Verse in it", true}, {"!G C D", false},
      {"!Chorus", true},        {"\\Intro G C", false},      {"\\G C", true},       {"Em7 (x2)", true},
      {"N.C.", false},
  };
  TempFolder folder;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    std::string song = folder.Write("song.txt", std::string("G D\n") + c.line + "\n");
    EXPECT_EQ(WriteSheet(song, folder / "sheet.txt"), 0);
    EXPECT_EQ(ReadFileBytes(folder / "sheet.txt"), std::string("G D\r\n") + (c.kept ? std::string(c.line) + "\r\n" : ""));
  }
}

TEST(WriteChordsOnly, SheetThatIsTheSongItselfIsRefusedAndTheSongKept) {
  TempFolder folder;
  for (const char* name : {"Blue", "Blue-chords.txt"}) {
    SCOPED_TRACE(name);
    std::string song = folder.Write(name, "Title\nwords\nG C\n");
    MessageRecorder messages;
    EXPECT_EQ(WriteSheet(song, ChordsFileName(song)), 1);
    EXPECT_EQ(ReadFileBytes(song), "Title\nwords\nG C\n");
    EXPECT_EQ(messages.Messages(), std::vector<std::string>{"Error opening file " + song + " for writing"});
  }
}

TEST(WriteChordsOnly, UnreadableSongWritesNothing) {
  TempFolder folder;
  MessageRecorder messages;
  EXPECT_NE(WriteSheet(folder / "none.txt", folder / "none-chords.txt"), 0);
  EXPECT_FALSE(testsupport::FileExists(folder / "none-chords.txt"));
  EXPECT_EQ(messages.Messages(), std::vector<std::string>{"Error opening file " + (folder / "none.txt") + " for reading"});
}

TEST(WriteChordsOnly, FailedWriteIsReported) {
  TempFolder folder;
  std::string song = folder.Write("song.txt", "Title\nG C\n");
  MessageRecorder messages;
  platform::testing::FaultPlan faults;
  faults.FailNth(platform::FileOperation::Write, 2, ENOSPC);
  EXPECT_EQ(WriteSheet(song, folder / "song-chords.txt"), 3);
  EXPECT_EQ(messages.Messages(), std::vector<std::string>{"Error writing to file " + (folder / "song-chords.txt")});
  EXPECT_EQ(ReadFileBytes(song), "Title\nG C\n");
}
