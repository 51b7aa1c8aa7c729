// Rewriting a song in place: the text, the file names, and that no failure loses the song.
#include <gtest/gtest.h>

#include <cerrno>

#include "TestFiles.h"
#include "platform/testing/FaultPlan.h"
#include "platform/testing/Recorders.h"
#include "songtext/TransposeSongFile.h"

using platform::FileOperation;
using platform::testing::FaultPlan;
using platform::testing::MessageRecorder;
using testsupport::FileExists;
using testsupport::ReadFileBytes;
using testsupport::TempFolder;

namespace {

int Transpose(const std::string& path, int steps, int useSharps) {
  SongContext context;
  testing::internal::CaptureStdout();
  int status = TransposeSongFile(context, path, steps, useSharps);
  testing::internal::GetCapturedStdout();
  return status;
}

}  // namespace

TEST(TransposeSongFile, RewritesChordsKeepsLyricsAndBacksUpTheOldText) {
  TempFolder folder;
  const std::string old = "Title\n\nG C D\nwords here\n   \nlast line";
  std::string song = folder.Write("Grace.txt", old);
  SongContext context;
  testing::internal::CaptureStdout();
  EXPECT_EQ(TransposeSongFile(context, song, 3, 1), 0);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
  EXPECT_EQ(ReadFileBytes(song), "Title\r\n\r\nA# D# F\r\nwords here\r\n   \r\nlast line\r\n");
  EXPECT_EQ(ReadFileBytes(folder / "Grace.bak"), old);
  EXPECT_FALSE(FileExists(folder / "Grace.tmp"));
  EXPECT_EQ(context.outputPath, folder / "Grace.tmp");
}

TEST(TransposeSongFile, ConvertsSpellingWithoutChangingTheKey) {
  TempFolder folder;
  std::string song = folder.Write("song.txt", "A#m D#\r\nAmazing grace\r\n");
  EXPECT_EQ(Transpose(song, 0, 0), 0);
  EXPECT_EQ(ReadFileBytes(song), "Bbm Eb\r\nAmazing grace\r\n");
}

TEST(TransposeSongFile, TemporaryAndBackupNamesComeFromTheBase) {
  struct Case {
    const char* song;
    const char* backup;
  };
  const Case cases[] = {{"Blue", "Blue.bak"}, {"My.Songs/Blue", "My.Songs/Blue.bak"}, {"a.b.txt", "a.b.bak"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.song);
    TempFolder folder;
    std::string song = folder.Write(c.song, "G\n");
    EXPECT_EQ(Transpose(song, 2, 0), 0);
    EXPECT_EQ(ReadFileBytes(song), "A\r\n");
    EXPECT_EQ(ReadFileBytes(folder / c.backup), "G\n");
  }
}

TEST(TransposeSongFile, OverwritesAnOldTemporaryFileAndRunningTwiceBacksUpTheFirstRun) {
  TempFolder folder;
  std::string song = folder.Write("song.txt", "G\n");
  folder.Write("song.tmp", "stale text from a failed run, much longer than the song\n");
  EXPECT_EQ(Transpose(song, 2, 0), 0);
  EXPECT_EQ(Transpose(song, 2, 0), 0);
  EXPECT_EQ(ReadFileBytes(song), "B\r\n");
  EXPECT_EQ(ReadFileBytes(folder / "song.bak"), "A\r\n");
}

TEST(TransposeSongFile, SongThatIsItsOwnTemporaryOrBackupIsNeverTruncated) {
  TempFolder folder;
  struct Case {
    const char* name;
    int status;
    const char* message;
  };
  const Case cases[] = {
      {"x.tmp", 1, "Error opening file {dir}/x.tmp for writing"},
      {"x.bak", 2, "Error copying file {dir}/x.bak to {dir}/x.bak."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::string song = folder.Write(c.name, "G C D\n");
    MessageRecorder messages;
    EXPECT_EQ(Transpose(song, 1, 1), c.status);
    EXPECT_EQ(ReadFileBytes(song), "G C D\n");
    std::string expected = c.message;
    for (std::size_t at; (at = expected.find("{dir}")) != std::string::npos;) expected.replace(at, 5, folder.Path().string());
    EXPECT_EQ(messages.Messages(), std::vector<std::string>{expected});
  }
}

TEST(TransposeSongFile, UnreadableSongIsReportedAndNothingIsWritten) {
  TempFolder folder;
  MessageRecorder messages;
  EXPECT_NE(Transpose(folder / "missing.txt", 1, 0), 0);
  EXPECT_EQ(messages.Messages(), std::vector<std::string>{"Error opening file " + (folder / "missing.txt") + " for reading"});
  EXPECT_FALSE(FileExists(folder / "missing.tmp"));
  EXPECT_FALSE(FileExists(folder / "missing.bak"));

  // A read that fails half-way must not put a shortened song in place.
  std::string song = folder.Write("long.txt", std::string(20000, 'G') + "\nwords\n");
  FaultPlan faults;
  faults.FailNth(FileOperation::Read, 2, EIO);
  EXPECT_NE(Transpose(song, 1, 0), 0);
  EXPECT_EQ(ReadFileBytes(song), std::string(20000, 'G') + "\nwords\n");
  EXPECT_FALSE(FileExists(folder / "long.bak"));
}

// A failure at each step in turn: the old song is always in the song file or the backup,
// a failure is never reported as success, and the user sees exactly one message. The song is
// long enough for its new text to take several writes.
TEST(TransposeSongFile, AFailureAtAnyStepKeepsTheOldSong) {
  std::string old = "Title\n";
  for (int i = 0; i < 3000; ++i) old += "G    C    D    Em\nAmazing grace how sweet the sound\n\n";

  int writes = 0;
  {
    TempFolder folder;
    FaultPlan counting;
    ASSERT_EQ(Transpose(folder.Write("song.txt", old), 2, 0), 0);
    writes = counting.Count(FileOperation::Write);
  }
  ASSERT_GT(writes, 2);

  struct Step {
    std::string name;
    FileOperation operation;
    int nth;
  };
  std::vector<Step> steps = {{"create temporary", FileOperation::OpenWrite, 1},
                             {"copy song to backup", FileOperation::Copy, 1},
                             {"copy temporary over song", FileOperation::Copy, 2}};
  for (int nth = 1; nth <= writes; ++nth) steps.push_back({"write " + std::to_string(nth), FileOperation::Write, nth});
  for (const Step& step : steps) {
    SCOPED_TRACE(step.name);
    TempFolder folder;
    std::string song = folder.Write("song.txt", old);
    MessageRecorder messages;
    int status;
    {
      FaultPlan faults;
      faults.FailNth(step.operation, step.nth, ENOSPC);
      status = Transpose(song, 2, 0);
    }
    EXPECT_NE(status, 0);
    EXPECT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(ReadFileBytes(song), old) << "every step fails before the song is replaced";
  }

  // A short write is a failure too.
  TempFolder folder;
  std::string song = folder.Write("song.txt", old);
  MessageRecorder messages;
  FaultPlan faults;
  faults.ShortNthWrite(2, 1);
  EXPECT_EQ(Transpose(song, 2, 0), 3);
  EXPECT_EQ(ReadFileBytes(song), old);
  EXPECT_EQ(messages.Messages(), std::vector<std::string>{"Error writing to file " + (folder / "song.tmp")});
}
