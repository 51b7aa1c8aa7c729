// Every operation that reads a song and writes beside it, against inputs a user should never
// have to worry about: binary files, enormous lines, odd encodings, things that are not files,
// a full or read-only disk, songs named like their own outputs, links.
//
// What must hold each time: no crash or hang; a failure is told (exactly one message, naming
// the file) and never reported as success; the song keeps its bytes (or, after a successful
// transposition, its old bytes are in the backup); documents are pure ASCII.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>
#include <random>

#include "SmallDisk.h"
#include "TestFiles.h"
#include "html/WriteHtmlPage.h"
#include "platform/testing/Recorders.h"
#include "rtf/WriteRtfDocument.h"
#include "songtext/ChordsOnly.h"
#include "songtext/TransposeSongFile.h"

using platform::testing::MessageRecorder;
using testsupport::FileExists;
using testsupport::ReadFileBytes;
using testsupport::TempFolder;

namespace {

struct Operation {
  const char* name;
  std::function<int(const std::string& song)> run;
  const char* output;  // the ending of the file it writes, after the song's base
};

const Operation kOperations[] = {
    {"transpose",
     [](const std::string& song) {
       SongContext context;
       return TransposeSongFile(context, song, 2, 1);
     },
     ".bak"},
    {"chords only",
     [](const std::string& song) {
       SongContext context;
       return WriteChordsOnly(context, song, ChordsFileName(song));
     },
     "-chords.txt"},
    {"web page",
     [](const std::string& song) {
       SongContext context;
       FormatSettings settings;
       settings.songPath = song;
       settings.columns = 1;
       settings.lineSpacing = true;
       return WriteHtmlPage(context, settings);
     },
     ".html"},
    {"word document",
     [](const std::string& song) {
       FormatSettings settings;
       settings.songPath = song;
       settings.lineSpacing = true;
       return WriteRtfDocument(settings);
     },
     ".rtf"},
};

// Runs one operation with standard output captured (diagnostic lines are expected there).
int RunOperation(const Operation& operation, const std::string& song) {
  testing::internal::CaptureStdout();
  int status = operation.run(song);
  testing::internal::GetCapturedStdout();
  return status;
}

std::string BaseOf(const std::string& song) {
  std::size_t slash = song.rfind('/');
  std::size_t dot = song.rfind('.');
  return dot != std::string::npos && dot > slash ? song.substr(0, dot) : song;
}

bool IsPureAscii(const std::string& bytes) {
  for (unsigned char c : bytes) {
    if (c >= 0x80) return false;
  }
  return true;
}

std::string RandomBytes(std::size_t size, unsigned seed) {
  std::mt19937 generator(seed);
  std::string bytes(size, '\0');
  for (char& c : bytes) c = static_cast<char>(generator() & 0xFF);
  return bytes;
}

// The song survives: after a transposition the old text is in the backup, after anything
// else it is still in the song; every document written is pure ASCII.
void ExpectOddSongHandled(const std::string& name, const std::string& bytes) {
  for (const Operation& operation : kOperations) {
    SCOPED_TRACE(std::string(name) + ", " + operation.name);
    TempFolder folder;
    std::string song = folder.Write("song.txt", bytes);
    MessageRecorder messages;
    EXPECT_EQ(RunOperation(operation, song), 0);
    EXPECT_TRUE(messages.Messages().empty());
    std::string output = BaseOf(song) + operation.output;
    if (std::string(operation.name) == "transpose") {
      EXPECT_EQ(ReadFileBytes(output), bytes);
    } else {
      EXPECT_EQ(ReadFileBytes(song), bytes);
    }
    if (std::string(operation.output) == ".html" || std::string(operation.output) == ".rtf") {
      EXPECT_TRUE(IsPureAscii(ReadFileBytes(output)));
    }
  }
}

}  // namespace

TEST(HostileInput, OddContentIsHandledAndKept) {
  const std::string crOnly = "G C D\r" + std::string(9000, '\r') + "words\r";
  const struct {
    const char* name;
    std::string bytes;
  } cases[] = {
      {"binary file", RandomBytes(64 * 1024, 7)},
      {"NUL bytes in chord and lyric lines", std::string("G\0C D\nwor\0ds\n\0\n", 15)},
      {"CR-only line ends, larger than the read buffer", crOnly},
      {"invalid UTF-8 and Windows-1252 bytes", "G C\n\xE9t\xE9 \x96 caf\xC3 \xFF\xFE\nAm \xC3\xA9\n"},
      {"byte-order mark", "\xEF\xBB\xBF\\Intro G C\nG C D\nAmazing \xE2\x80\x94 grace\n"},
      {"braces, backslashes and markup", "{\\rtf1 G}\n<pre>A & B</pre>\n</table>\n}\n"},
  };
  for (const auto& c : cases) ExpectOddSongHandled(c.name, c.bytes);
}

TEST(HostileInput, OneHundredMegabyteLine) {
  // A lyric line: as a chord line every chord would gain its markup and the page would grow
  // tenfold, which is right but only slow.
  std::string line(100 * 1024 * 1024, 'a');
  for (std::size_t i = 7; i < line.size(); i += 8) line[i] = ' ';
  ExpectOddSongHandled("100 MB lyric line", "G C D\n" + line + "\nG\n");
}

TEST(HostileInput, FoldersAndFifosAreNotSongs) {
  for (const Operation& operation : kOperations) {
    SCOPED_TRACE(operation.name);
    TempFolder folder;
    std::string fifo = folder / "pipe.txt";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::string dir = folder / "folder.txt";
    ASSERT_EQ(::mkdir(dir.c_str(), 0700), 0);
    for (const std::string& song : {fifo, dir}) {
      MessageRecorder messages;
      EXPECT_NE(RunOperation(operation, song), 0);
      EXPECT_EQ(messages.Messages(), std::vector<std::string>{"Error opening file " + song + " for reading"});
      EXPECT_FALSE(FileExists(BaseOf(song) + operation.output));
    }
  }
}

TEST(HostileInput, SongsNamedLikeTheirOwnOutputsAreNeverTruncated) {
  const struct {
    const char* song;
    const char* operation;
  } cases[] = {
      {"x.tmp", "transpose"},           {"x.bak", "transpose"},      {"x.rtf", "word document"},
      {"x.html", "web page"},           {"x-chords.txt", "chords only"}, {"x", "chords only"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.song) + ", " + c.operation);
    TempFolder folder;
    std::string song = folder.Write(c.song, "G C D\nwords\n");
    for (const Operation& operation : kOperations) {
      if (std::string(operation.name) != c.operation) continue;
      MessageRecorder messages;
      EXPECT_NE(RunOperation(operation, song), 0);
      EXPECT_EQ(messages.Messages().size(), 1u);
      EXPECT_NE(messages.Messages().at(0).find(folder.Path().string()), std::string::npos);
    }
    EXPECT_EQ(ReadFileBytes(song), "G C D\nwords\n");
  }
}

TEST(HostileInput, LinkToASongIsFollowedAndStaysALink) {
  TempFolder folder;
  std::string target = folder.Write("real/song.txt", "G C\nwords\n");
  std::string link = folder / "song.txt";
  ASSERT_EQ(::symlink(target.c_str(), link.c_str()), 0);
  MessageRecorder messages;
  EXPECT_EQ(RunOperation(kOperations[0], link), 0);
  struct stat info {};
  ASSERT_EQ(::lstat(link.c_str(), &info), 0);
  EXPECT_TRUE(S_ISLNK(info.st_mode));
  EXPECT_EQ(ReadFileBytes(target), "A D\r\nwords\r\n");
  EXPECT_EQ(ReadFileBytes(folder / "song.bak"), "G C\nwords\n");
}

TEST(HostileInput, FullDiskFailsLoudlyAndKeepsSongAndDocument) {
  TempFolder folder;
  SmallDisk disk(folder.Path().string(), 64);
  if (!disk.Mounted()) GTEST_SKIP() << "mounting a small tmpfs is not allowed here";
  std::string song = disk.Path() + "/song.txt";
  std::string text;
  for (int i = 0; i < 40; ++i) text += "G    C    D    Em\nAmazing grace how sweet the sound\n";
  testsupport::WriteFileBytes(song, text);
  testsupport::WriteFileBytes(disk.Path() + "/song.html", "old page");
  testsupport::WriteFileBytes(disk.Path() + "/song.rtf", "old document");
  disk.Fill();
  for (const Operation& operation : kOperations) {
    SCOPED_TRACE(operation.name);
    MessageRecorder messages;
    EXPECT_NE(RunOperation(operation, song), 0);
    EXPECT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(ReadFileBytes(song), text);
  }
  EXPECT_EQ(ReadFileBytes(disk.Path() + "/song.html"), "old page");
  EXPECT_EQ(ReadFileBytes(disk.Path() + "/song.rtf"), "old document");
}

TEST(HostileInput, ReadOnlyFolderFailsLoudlyAndKeepsTheSong) {
  TempFolder folder;
  SmallDisk disk(folder.Path().string(), 64);
  if (!disk.Mounted()) GTEST_SKIP() << "mounting a small tmpfs is not allowed here";
  std::string song = disk.Path() + "/song.txt";
  testsupport::WriteFileBytes(song, "G C D\nwords\n");
  if (!disk.MakeReadOnly()) GTEST_SKIP() << "remounting read-only is not allowed here";
  for (const Operation& operation : kOperations) {
    SCOPED_TRACE(operation.name);
    MessageRecorder messages;
    EXPECT_NE(RunOperation(operation, song), 0);
    EXPECT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(ReadFileBytes(song), "G C D\nwords\n");
  }
}
