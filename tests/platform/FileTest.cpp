// The file layer's sharing rules and copy semantics, on real files.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

#include "TestFiles.h"
#include "platform/File.h"
#include "platform/testing/FaultPlan.h"

using platform::FileHandle;
using platform::FileOperation;
using testsupport::ReadFileBytes;
using testsupport::TempFolder;

namespace {

struct OpenFileGuard {
  FileHandle handle;
  ~OpenFileGuard() { platform::CloseFile(handle); }
};

ino_t InodeOf(const std::string& path) {
  struct stat info {};
  ::stat(path.c_str(), &info);
  return info.st_ino;
}

mode_t ModeOf(const std::string& path) {
  struct stat info {};
  ::stat(path.c_str(), &info);
  return info.st_mode & 07777;
}

}  // namespace

TEST(FileSharing, WriterIsRefusedWhileFileIsOpenForReadingAndBytesSurvive) {
  TempFolder folder;
  std::string song = folder.Write("song.txt", "G C D\r\n");
  OpenFileGuard reader;
  ASSERT_EQ(platform::OpenExistingForReading(song, reader.handle), 0);

  // Another spelling of the same file is the same file.
  FileHandle writer;
  EXPECT_EQ(platform::CreateAlwaysForWriting(folder / "./song.txt", writer), platform::kSharingViolation);
  EXPECT_FALSE(writer.IsOpen());
  EXPECT_EQ(ReadFileBytes(song), "G C D\r\n");
}

TEST(FileSharing, ReadersShareButAFileOpenForWritingAdmitsNoOne) {
  TempFolder folder;
  std::string path = folder.Write("a.txt", "x");
  OpenFileGuard first, second;
  ASSERT_EQ(platform::OpenExistingForReading(path, first.handle), 0);
  EXPECT_EQ(platform::OpenExistingForReading(path, second.handle), 0);
  platform::CloseFile(first.handle);
  platform::CloseFile(second.handle);

  OpenFileGuard writer;
  ASSERT_EQ(platform::CreateAlwaysForWriting(path, writer.handle), 0);
  FileHandle other;
  EXPECT_EQ(platform::OpenExistingForReading(path, other), platform::kSharingViolation);
  EXPECT_EQ(platform::CreateAlwaysForWriting(path, other), platform::kSharingViolation);
  EXPECT_EQ(platform::DeleteFileAt(path), platform::kSharingViolation);
  platform::CloseFile(writer.handle);
  EXPECT_EQ(platform::OpenExistingForReading(path, other), 0);
  platform::CloseFile(other);
}

TEST(FileOpen, OnlyRegularFilesOpenAndNothingBlocks) {
  TempFolder folder;
  std::string fifo = folder / "pipe";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  std::string dir = folder / "sub";
  ASSERT_EQ(::mkdir(dir.c_str(), 0700), 0);

  for (const std::string& path : {fifo, dir, folder / "missing.txt", std::string("/dev/null")}) {
    SCOPED_TRACE(path);
    FileHandle handle;
    platform::Status status = platform::OpenExistingForReading(path, handle);
    EXPECT_EQ(status, platform::StatusFromErrno(ENOENT));
    EXPECT_FALSE(handle.IsOpen());
  }
  FileHandle handle;
  EXPECT_NE(platform::CreateAlwaysForWriting(fifo, handle), 0);
  EXPECT_NE(platform::CreateAlwaysForWriting(dir, handle), 0);
}

TEST(FileStatus, SystemFailuresCarryTheErrnoAndAreNeverZero) {
  EXPECT_EQ(static_cast<unsigned>(platform::StatusFromErrno(ENOENT)), 0x80070002u);
  EXPECT_EQ(static_cast<unsigned>(platform::StatusFromErrno(ENOSPC)), 0x8007001Cu);
  EXPECT_NE(platform::StatusFromErrno(0), 0);
  EXPECT_NE(platform::kSharingViolation, platform::StatusFromErrno(EPIPE));
}

TEST(FileCopy, OntoItselfFailsAndChangesNothing) {
  TempFolder folder;
  std::string song = folder.Write("song.txt", "Amazing grace\r\n");
  std::string link = folder / "hard.txt";
  ASSERT_EQ(::link(song.c_str(), link.c_str()), 0);
  for (const std::string& target : {song, folder / "./song.txt", link}) {
    SCOPED_TRACE(target);
    EXPECT_NE(platform::CopyFileOver(song, target), 0);
    EXPECT_EQ(ReadFileBytes(song), "Amazing grace\r\n");
  }
}

TEST(FileCopy, ExistingTargetKeepsInodeAndBitsNewTargetTakesSourceBits) {
  TempFolder folder;
  std::string source = folder.Write("new.txt", "new text, longer than the old");
  std::string target = folder.Write("old.txt", "old text that is even longer than the new text is");
  ::chmod(source.c_str(), 0640);
  ::chmod(target.c_str(), 0604);
  ino_t inode = InodeOf(target);

  ASSERT_EQ(platform::CopyFileOver(source, target), 0);
  EXPECT_EQ(ReadFileBytes(target), "new text, longer than the old");
  EXPECT_EQ(InodeOf(target), inode);
  EXPECT_EQ(ModeOf(target), 0604u);

  std::string fresh = folder / "fresh.txt";
  ASSERT_EQ(platform::CopyFileOver(source, fresh), 0);
  EXPECT_EQ(ReadFileBytes(fresh), "new text, longer than the old");
  EXPECT_EQ(ModeOf(fresh), 0640u & ~[] { mode_t m = ::umask(0); ::umask(m); return m; }());
}

TEST(FileCopy, TargetOpenHereIsRefusedUntouched) {
  TempFolder folder;
  std::string source = folder.Write("a.txt", "new");
  std::string target = folder.Write("b.txt", "old");
  OpenFileGuard reader;
  ASSERT_EQ(platform::OpenExistingForReading(target, reader.handle), 0);
  EXPECT_EQ(platform::CopyFileOver(source, target), platform::kSharingViolation);
  EXPECT_EQ(ReadFileBytes(target), "old");
}

TEST(FileCopy, MissingSourceFailsWithoutCreatingTarget) {
  TempFolder folder;
  EXPECT_EQ(platform::CopyFileOver(folder / "none.txt", folder / "b.txt"), platform::StatusFromErrno(ENOENT));
  EXPECT_FALSE(testsupport::FileExists(folder / "b.txt"));
}

TEST(FileWrite, ShortWriteFailsAndSaysHowMuchArrived) {
  TempFolder folder;
  std::string path = folder / "out.txt";
  platform::testing::FaultPlan faults;
  faults.ShortNthWrite(1, 3);
  OpenFileGuard writer;
  ASSERT_EQ(platform::CreateAlwaysForWriting(path, writer.handle), 0);
  std::size_t written = 0;
  EXPECT_EQ(platform::WriteToFile(writer.handle, "abcdef", 6, written), platform::StatusFromErrno(ENOSPC));
  EXPECT_EQ(written, 3u);
  platform::CloseFile(writer.handle);
  EXPECT_EQ(ReadFileBytes(path), "abc");
}

TEST(FileRead, ReadErrorIsAFailureNotTheEndOfTheFile) {
  TempFolder folder;
  std::string path = folder.Write("in.txt", "abc");
  OpenFileGuard reader;
  ASSERT_EQ(platform::OpenExistingForReading(path, reader.handle), 0);
  platform::testing::FaultPlan faults;
  faults.FailNth(FileOperation::Read, 1, EIO);
  char buffer[8];
  std::size_t got = 99;
  EXPECT_EQ(platform::ReadFromFile(reader.handle, buffer, sizeof buffer, got), platform::StatusFromErrno(EIO));
  EXPECT_EQ(got, 0u);
}

// A second Melvane process holding the song open is respected as a reader in this one is.
TEST(FileSharing, AnotherProcessHoldingTheFileOpenRefusesWritersCopiesAndDeletes) {
  TempFolder folder;
  std::string song = folder.Write("song.txt", "G C D\n");
  std::string other = folder.Write("other.txt", "new");
  int ready[2], release[2];
  ASSERT_EQ(::pipe(ready), 0);
  ASSERT_EQ(::pipe(release), 0);
  pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    FileHandle handle;
    char byte = platform::OpenExistingForReading(song, handle) == 0 ? 'y' : 'n';
    (void)!::write(ready[1], &byte, 1);
    (void)!::read(release[0], &byte, 1);
    ::_exit(0);
  }
  char byte = 0;
  ASSERT_EQ(::read(ready[0], &byte, 1), 1);
  ASSERT_EQ(byte, 'y');

  FileHandle writer;
  EXPECT_EQ(platform::CreateAlwaysForWriting(song, writer), platform::kSharingViolation);
  EXPECT_EQ(platform::CopyFileOver(other, song), platform::kSharingViolation);
  EXPECT_EQ(platform::DeleteFileAt(song), platform::kSharingViolation);
  FileHandle reader;
  EXPECT_EQ(platform::OpenExistingForReading(song, reader), 0);
  platform::CloseFile(reader);
  EXPECT_EQ(ReadFileBytes(song), "G C D\n");

  (void)!::write(release[1], "x", 1);
  int status = 0;
  ::waitpid(child, &status, 0);
  EXPECT_EQ(platform::CreateAlwaysForWriting(song, writer), 0);
  platform::CloseFile(writer);
}
