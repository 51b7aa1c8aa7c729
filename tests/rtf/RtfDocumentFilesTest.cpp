// Where a song's Word document goes, and that no failure loses the document in place or its
// backup: the old text is always in the document or the backup, and a failure is reported once.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <string>
#include <vector>

#include "TestFiles.h"
#include "platform/File.h"
#include "platform/testing/FaultPlan.h"
#include "platform/testing/Recorders.h"
#include "rtf/WriteRtfDocument.h"

using platform::FileOperation;
using platform::testing::FaultPlan;
using platform::testing::MessageRecorder;
using testsupport::FileExists;
using testsupport::ReadFileBytes;
using testsupport::TempFolder;

namespace {

const std::string kSong = "G       D\nAmazing grace\n";
const std::string kOldDocument = "{\\rtf1 the document of an earlier run}";
const std::string kOldBackup = "{\\rtf1 the backup of an earlier run}";

int Write(const std::string& songPath) {
  FormatSettings settings;
  settings.songPath = songPath;
  testing::internal::CaptureStdout();
  int status = WriteRtfDocument(settings);
  testing::internal::GetCapturedStdout();
  return status;
}

// The document this song gets, made in a folder of its own.
std::string FreshDocument(const std::string& song) {
  TempFolder folder;
  EXPECT_EQ(Write(folder.Write("song.txt", song)), 0);
  return ReadFileBytes(folder / "song.rtf");
}

// A song with the document and backup of an earlier run beside it.
struct EarlierRunFixture : ::testing::Test {
  TempFolder folder;
  MessageRecorder messages;
  std::string song = folder.Write("song.txt", kSong);
  std::string document = folder.Write("song.rtf", kOldDocument);
  std::string backup = folder.Write("song.rtf.bak", kOldBackup);
  std::string temporary = folder / "song.rtf.tmp";
};

}  // namespace

TEST(RtfDocumentFiles, DocumentTemporaryAndBackupNamesComeFromTheBase) {
  struct Case {
    const char* song;
    const char* document;
  };
  const Case cases[] = {
      {"hymn", "hymn.rtf"},
      {"My.Songs/hymn", "My.Songs/hymn.rtf"},
      {"amazing.grace.txt", "amazing.grace.rtf"},
      {"Grace.TXT", "Grace.rtf"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.song);
    TempFolder folder;
    MessageRecorder messages;
    std::string song = folder.Write(c.song, kSong);
    EXPECT_EQ(Write(song), 0);
    EXPECT_TRUE(messages.Messages().empty());
    std::string document = folder / c.document;
    EXPECT_EQ(ReadFileBytes(document), FreshDocument(kSong));
    EXPECT_FALSE(FileExists(document + ".tmp"));
    // The first run has no old document to keep.
    EXPECT_FALSE(FileExists(document + ".bak"));
    EXPECT_EQ(ReadFileBytes(song), kSong);
  }
}

TEST(RtfDocumentFiles, RunningTwiceMakesTheFirstDocumentTheBackup) {
  TempFolder folder;
  std::string song = folder.Write("song.txt", kSong);
  folder.Write("song.rtf.tmp", "stale text from a failed run, much longer than any document of this song");
  ASSERT_EQ(Write(song), 0);
  std::string first = ReadFileBytes(folder / "song.rtf");
  folder.Write("song.txt", "C\nnew words\n");
  ASSERT_EQ(Write(song), 0);
  EXPECT_EQ(ReadFileBytes(folder / "song.rtf.bak"), first);
  EXPECT_EQ(ReadFileBytes(folder / "song.rtf"), FreshDocument("C\nnew words\n"));
  EXPECT_FALSE(FileExists(folder / "song.rtf.tmp"));
}

TEST_F(EarlierRunFixture, ReplacesTheDocumentAndKeepsTheOldOneAsBackup) {
  EXPECT_EQ(Write(song), 0);
  EXPECT_TRUE(messages.Messages().empty());
  EXPECT_EQ(ReadFileBytes(document), FreshDocument(kSong));
  EXPECT_EQ(ReadFileBytes(backup), kOldDocument);
  EXPECT_FALSE(FileExists(temporary));
}

TEST(RtfDocumentFiles, UnreadableSongIsReportedAndNothingIsCreated) {
  TempFolder folder;
  MessageRecorder messages;
  EXPECT_NE(Write(folder / "missing.txt"), 0);
  EXPECT_EQ(messages.Messages(),
            std::vector<std::string>{"Error opening file " + (folder / "missing.txt") + " for reading"});

  // A read that fails must not become the document of an empty song.
  std::string song = folder.Write("song.txt", kSong);
  {
    FaultPlan faults;
    faults.FailNth(FileOperation::Read, 1, EIO);
    EXPECT_NE(Write(song), 0);
  }
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1) << "only the song";
  EXPECT_EQ(ReadFileBytes(song), kSong);
}

TEST(RtfDocumentFiles, SongNamedLikeItsDocumentIsRefusedAndUntouched) {
  TempFolder folder;
  MessageRecorder messages;
  std::string song = folder.Write("x.rtf", kSong);
  EXPECT_EQ(Write(song), 1);
  EXPECT_EQ(messages.Messages(), std::vector<std::string>{"Error opening file " + song + " for writing"});
  EXPECT_EQ(ReadFileBytes(song), kSong);
  EXPECT_FALSE(FileExists(folder / "x.rtf.tmp"));
  EXPECT_FALSE(FileExists(folder / "x.rtf.bak"));

  // The same file under another name: a link from the document's name to the song.
  messages.Clear();
  std::string linked = folder.Write("linked.txt", kSong);
  std::filesystem::create_hard_link(linked, folder / "linked.rtf");
  EXPECT_EQ(Write(linked), 1);
  EXPECT_EQ(messages.Messages(),
            std::vector<std::string>{"Error opening file " + (folder / "linked.rtf") + " for writing"});
  EXPECT_EQ(ReadFileBytes(linked), kSong);
}

TEST(RtfDocumentFiles, BackupThatIsTheSongUnderAnotherNameIsNeverWritten) {
  TempFolder folder;
  MessageRecorder messages;
  std::string song = folder.Write("song.txt", kSong);
  folder.Write("song.rtf", kOldDocument);
  std::filesystem::create_symlink(song, folder / "song.rtf.bak");
  EXPECT_EQ(Write(song), 2);
  EXPECT_EQ(messages.Messages(), std::vector<std::string>{"Error copying file " + (folder / "song.rtf") +
                                                          " to " + (folder / "song.rtf.bak") + "."});
  EXPECT_EQ(ReadFileBytes(song), kSong);
  EXPECT_EQ(ReadFileBytes(folder / "song.rtf"), kOldDocument);
}

TEST_F(EarlierRunFixture, TemporaryFileThatCannotBeCreatedChangesNothing) {
  {
    FaultPlan faults;
    faults.FailNth(FileOperation::OpenWrite, 1, EACCES);
    EXPECT_EQ(Write(song), 1);
  }
  EXPECT_EQ(messages.Messages(),
            std::vector<std::string>{"Error opening file " + temporary + " for writing"});
  EXPECT_FALSE(FileExists(temporary));
  EXPECT_EQ(ReadFileBytes(document), kOldDocument);
  EXPECT_EQ(ReadFileBytes(backup), kOldBackup);
  EXPECT_EQ(ReadFileBytes(song), kSong);
}

// A failure at any write to the temporary file, or a short write, stops the run before the
// document or the backup is touched. The song is long enough for its document to take several
// writes.
TEST(RtfDocumentFiles, FailedWriteToTheTemporaryFileStopsAndKeepsDocumentAndBackup) {
  std::string longSong;
  while (longSong.size() < 200 * 1024) longSong += kSong;
  int writes = 0;
  {
    TempFolder other;
    FaultPlan counter;
    ASSERT_EQ(Write(other.Write("song.txt", longSong)), 0);
    writes = counter.Count(FileOperation::Write);
  }
  ASSERT_GE(writes, 4);
  for (int nth = 1; nth <= writes; ++nth) {
    for (bool isShort : {false, true}) {
      SCOPED_TRACE("write " + std::to_string(nth) + (isShort ? " short" : " failed"));
      TempFolder folder;
      MessageRecorder messages;
      std::string song = folder.Write("song.txt", longSong);
      folder.Write("song.rtf", kOldDocument);
      folder.Write("song.rtf.bak", kOldBackup);
      {
        FaultPlan faults;
        if (isShort) {
          faults.ShortNthWrite(nth, 2);
        } else {
          faults.FailNth(FileOperation::Write, nth, ENOSPC);
        }
        EXPECT_EQ(Write(song), 3);
        EXPECT_EQ(faults.Count(FileOperation::Write), nth) << "nothing is written after the failure";
        EXPECT_EQ(faults.Count(FileOperation::Copy), 0);
      }
      EXPECT_EQ(messages.Messages(),
                std::vector<std::string>{"Error writing to file " + (folder / "song.rtf.tmp")});
      EXPECT_EQ(ReadFileBytes(folder / "song.rtf"), kOldDocument);
      EXPECT_EQ(ReadFileBytes(folder / "song.rtf.bak"), kOldBackup);
      EXPECT_EQ(ReadFileBytes(song), longSong);
    }
  }
}

TEST_F(EarlierRunFixture, OldDocumentThatCannotBeBackedUpIsNotReplaced) {
  {
    FaultPlan faults;
    faults.FailEvery(FileOperation::Copy, ".rtf.bak", ENOSPC);
    EXPECT_EQ(Write(song), 2);
  }
  EXPECT_EQ(messages.Messages(),
            std::vector<std::string>{"Error copying file " + document + " to " + backup + "."});
  EXPECT_EQ(ReadFileBytes(document), kOldDocument);
  EXPECT_EQ(ReadFileBytes(backup), kOldBackup);
  EXPECT_EQ(ReadFileBytes(temporary), FreshDocument(kSong));
}

TEST_F(EarlierRunFixture, TemporaryFileThatCannotBeCopiedOverTheDocumentIsReported) {
  {
    FaultPlan faults;
    faults.FailEvery(FileOperation::Copy, "/song.rtf", EACCES);
    EXPECT_EQ(Write(song), 2);
  }
  EXPECT_EQ(messages.Messages(),
            std::vector<std::string>{"Error copying file " + temporary + " to " + document + "."});
  EXPECT_EQ(ReadFileBytes(document), kOldDocument);
  EXPECT_EQ(ReadFileBytes(backup), kOldDocument) << "the backup was refreshed before the copy failed";
  EXPECT_EQ(ReadFileBytes(temporary), FreshDocument(kSong)) << "the new document stays for the user";
}

TEST_F(EarlierRunFixture, DocumentHeldOpenElsewhereIsNotReplaced) {
  platform::FileHandle held;
  ASSERT_EQ(platform::OpenExistingForReading(document, held), 0);
  // As a word processor does, the holder shares the document for reading only: the backup is
  // made, and copying over the document is refused.
  EXPECT_EQ(Write(song), 2);
  platform::CloseFile(held);
  EXPECT_EQ(ReadFileBytes(backup), kOldDocument);
  EXPECT_EQ(messages.Messages(),
            std::vector<std::string>{"Error copying file " + temporary + " to " + document + "."});
  EXPECT_EQ(ReadFileBytes(document), kOldDocument);
}
