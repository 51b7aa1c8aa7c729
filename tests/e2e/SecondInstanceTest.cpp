// Two Melvane processes on the same songs at once: their writes never interleave. The sharing
// rules reach across processes, so the one that comes second is refused and says so, and every
// document on disk is whole.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "RunProgram.h"
#include "TestFiles.h"
#include "platform/File.h"

using e2e::RunProgram;
using testsupport::ReadFileBytes;
using testsupport::TempFolder;

namespace {

const std::string kProgram = MELVANE_PROGRAM;
const std::string kSong = "Grace\n\nG       C\nAmazing grace\n";

}  // namespace

// Another process (here: the test) is writing the page's temporary file, as a second batch
// would be: this batch is refused, reports it, and leaves the page as it was.
TEST(SecondInstance, BatchIsRefusedWhileAnotherProcessWritesTheSameDocument) {
  TempFolder folder;
  std::string song = folder.Write("song.txt", kSong);
  folder.Write("song.html", "the page another run is replacing");
  platform::FileHandle held;
  ASSERT_EQ(platform::CreateAlwaysForWriting(folder / "song.html.tmp", held), 0);

  e2e::ProgramRun run = RunProgram(kProgram, {"-h", song}, folder.Path());
  platform::CloseFile(held);
  EXPECT_EQ(run.exitStatus, 1);
  EXPECT_EQ(run.standardError, "melvane: Error opening file " + (folder / "song.html.tmp") + " for writing\n");
  EXPECT_EQ(ReadFileBytes(folder / "song.html"), "the page another run is replacing");
}

// Two batches over the same songs at the same time, in step (so they keep meeting on the same
// song): every page ends up whole and equal to the page one batch alone writes. Without the
// locks between processes this fails at once.
TEST(SecondInstance, TwoBatchesOverTheSameSongsLeaveEveryPageWhole) {
  TempFolder folder;
  std::string text;
  for (int i = 0; i < 4000; ++i) text += "G    C    D    Em\nAmazing grace how sweet the sound\n";
  for (int i = 0; i < 40; ++i) folder.Write("songs/song" + std::to_string(i) + ".txt", text);
  std::string pattern = folder / "songs/*.txt";

  ASSERT_EQ(RunProgram(kProgram, {"-h", "-c", folder / "songs/song0.txt"}, folder.Path()).exitStatus, 0);
  const std::string expected = ReadFileBytes(folder / "songs/song0.html");

  for (int round = 0; round < 3; ++round) {
    SCOPED_TRACE(round);
    pid_t second = ::fork();
    ASSERT_GE(second, 0);
    if (second == 0) {
      e2e::ProgramRun run = RunProgram(kProgram, {"-h", "-c", pattern}, folder.Path());
      ::_exit(run.exitStatus);
    }
    e2e::ProgramRun first = RunProgram(kProgram, {"-h", "-c", pattern}, folder.Path());
    int status = 0;
    ::waitpid(second, &status, 0);
    EXPECT_TRUE(first.exitStatus == 0 || first.exitStatus == 1);
    EXPECT_TRUE(WIFEXITED(status) && (WEXITSTATUS(status) == 0 || WEXITSTATUS(status) == 1));
    // A refused song is told on standard error, one line each, naming a file of ours.
    std::size_t at = 0;
    while ((at = first.standardError.find("melvane: Error ", at)) != std::string::npos) {
      std::size_t end = first.standardError.find('\n', at);
      EXPECT_NE(first.standardError.substr(at, end - at).find(folder.Path().string()), std::string::npos);
      at = end;
    }
    for (int i = 0; i < 40; ++i) {
      std::string page = ReadFileBytes(folder / ("songs/song" + std::to_string(i) + ".html"));
      EXPECT_EQ(page, expected) << "song" << i;
    }
  }
}
