// Reading songs line by line through the fixed buffer, and whole through TextFile.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestFiles.h"
#include "platform/testing/FaultPlan.h"
#include "platform/testing/Recorders.h"
#include "songtext/LineReader.h"
#include "songtext/TextFile.h"

using testsupport::TempFolder;

namespace {

std::vector<std::string> ReadAllLines(const std::string& path) {
  platform::FileHandle handle;
  platform::OpenExistingForReading(path, handle);
  LineReader reader(handle);
  std::vector<std::string> lines;
  std::string line;
  while (reader.ReadLine(line)) lines.push_back(line);
  EXPECT_EQ(line, "");
  platform::CloseFile(handle);
  return lines;
}

std::vector<std::string> LoadAllLines(const std::string& path) {
  TextFile file;
  EXPECT_EQ(file.LoadWholeFile(path), 0);
  std::vector<std::string> lines;
  std::string line;
  while (file.NextLine(line) == 1) lines.push_back(line);
  EXPECT_EQ(line, "");
  return lines;
}

std::string Lines(int count, int lengthWithLf) {
  std::string text;
  for (int i = 0; i < count; ++i) {
    std::string body = std::to_string(i);
    body.resize(static_cast<std::size_t>(lengthWithLf - 1), 'x');
    text += body + "\n";
  }
  return text;
}

std::vector<std::string> Split(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (end < text.size() && !line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

}  // namespace

TEST(LineReading, BothReadersAgreeOnLineBreaks) {
  struct Case {
    const char* name;
    std::string bytes;
    std::vector<std::string> lines;
  };
  const std::string crOnly(10000, '\r');
  const Case cases[] = {
      {"empty file", "", {}},
      {"CR LF, an empty line", "a\r\n\r\nb", {"a", "", "b"}},
      {"LF, no final break", "a\nb", {"a", "b"}},
      {"final CR without LF is kept", "a\nb\r", {"a", "b\r"}},
      {"lone LF", "\n", {""}},
      {"NUL bytes stay in the line", std::string("G\0C\nD", 5), {std::string("G\0C", 3), "D"}},
      {"CR-only file larger than the buffer", "A" + crOnly + "B\n", {"A" + crOnly + "B"}},
  };
  TempFolder folder;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::string path = folder.Write("song.txt", c.bytes);
    EXPECT_EQ(ReadAllLines(path), c.lines);
    EXPECT_EQ(LoadAllLines(path), c.lines);
  }
}

TEST(LineReading, BufferBoundariesNeverLoseOrSplitALine) {
  std::string longLine(100 * 1024, 'L');
  struct Case {
    const char* name;
    std::string bytes;
  };
  const Case cases[] = {
      {"exactly 4094 bytes ending in LF", Lines(46, 89)},  // 46 * 89 = 4094
      {"4095 bytes", Lines(45, 91) + "x\n"},
      {"3000 bytes of 80-character lines across the refill at 2047", Lines(37, 81) + std::string(2, 'y') + "\n"},
      {"a line ending exactly at the refill mark", Lines(1, 2047) + Lines(30, 100)},
      {"a line ending exactly at the end of the buffer", Lines(2, 2047) + Lines(30, 100)},
      {"a 100 KB line, then more lines", Lines(3, 10) + longLine + "\r\n" + Lines(50, 70)},
      {"a 100 KB last line without a break", Lines(3, 10) + longLine},
  };
  TempFolder folder;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::string path = folder.Write("song.txt", c.bytes);
    EXPECT_EQ(ReadAllLines(path), Split(c.bytes));
  }
}

TEST(LineReading, UnopenedSourceReadsAsEmptyAndAReadErrorIsRemembered) {
  platform::FileHandle none;
  LineReader empty(none);
  std::string line = "x";
  EXPECT_FALSE(empty.ReadLine(line));
  EXPECT_EQ(line, "");

  TempFolder folder;
  std::string path = folder.Write("song.txt", Lines(200, 40));
  platform::FileHandle handle;
  ASSERT_EQ(platform::OpenExistingForReading(path, handle), 0);
  LineReader reader(handle);
  ASSERT_TRUE(reader.ReadLine(line));
  EXPECT_FALSE(reader.ReadFailed());
  {
    platform::testing::FaultPlan faults;
    faults.FailNth(platform::FileOperation::Read, 1);
    while (reader.ReadLine(line)) {
    }
  }
  EXPECT_TRUE(reader.ReadFailed());
  platform::CloseFile(handle);
}

TEST(TextFileReading, MissingFileShowsTheMessageAndReturnsAStatus) {
  platform::testing::MessageRecorder messages;
  TempFolder folder;
  TextFile file;
  EXPECT_NE(file.LoadWholeFile(folder / "none.txt"), 0);
  ASSERT_EQ(messages.Messages().size(), 1u);
  EXPECT_EQ(messages.Messages()[0], "Error opening file " + (folder / "none.txt") + " for reading");
  std::string line;
  EXPECT_EQ(file.NextLine(line), 0);
}

TEST(TextFileReading, FailedReadHandsOutNoLines) {
  TempFolder folder;
  std::string path = folder.Write("song.txt", "G C\nwords\n");
  platform::testing::FaultPlan faults;
  faults.FailNth(platform::FileOperation::Read, 1, EIO);
  TextFile file;
  EXPECT_EQ(file.LoadWholeFile(path), platform::StatusFromErrno(EIO));
  std::string line;
  EXPECT_EQ(file.NextLine(line), 0);
}

TEST(TextFileReading, CloseAndLoadAgainStartsFromTheFirstLine) {
  TempFolder folder;
  std::string path = folder.Write("song.txt", "one\ntwo\n");
  TextFile file;
  ASSERT_EQ(file.LoadWholeFile(path), 0);
  std::string line;
  file.NextLine(line);
  file.NextLine(line);
  file.Close();
  ASSERT_EQ(file.LoadWholeFile(path), 0);
  ASSERT_EQ(file.NextLine(line), 1);
  EXPECT_EQ(line, "one");
}

TEST(TextFileWriting, LineEndsAreWrittenAsAsked) {
  TempFolder folder;
  std::string path = folder / "out.txt";
  {
    TextFile file;
    ASSERT_EQ(file.OpenForWriting(path), 0);
    EXPECT_EQ(file.WriteText("a"), 0);
    EXPECT_EQ(file.WriteCrLf(), 0);
    EXPECT_EQ(file.WriteLine("b"), 0);
    EXPECT_EQ(file.WriteLf(), 0);
  }
  EXPECT_EQ(testsupport::ReadFileBytes(path), "a\r\nb\r\n\n");
}

TEST(TextFileWriting, FailuresAreReportedNotSwallowed) {
  platform::testing::MessageRecorder messages;
  TempFolder folder;
  TextFile blocked;
  EXPECT_NE(blocked.OpenForWriting(folder / "missing-folder/out.txt"), 0);
  ASSERT_EQ(messages.Messages().size(), 1u);
  EXPECT_EQ(messages.Messages()[0], "Error opening file " + (folder / "missing-folder/out.txt") + " for writing");
  EXPECT_NE(blocked.WriteText("x"), 0);

  platform::testing::FaultPlan faults;
  faults.ShortNthWrite(1, 2);
  TextFile file;
  ASSERT_EQ(file.OpenForWriting(folder / "out.txt"), 0);
  testing::internal::CaptureStdout();
  EXPECT_NE(file.WriteLine("chords"), 0);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "Error writing to file " + (folder / "out.txt") + "\n");
}

TEST(TextFileWriting, FileOpenForReadingIsNotTruncatedByAWriter) {
  platform::testing::MessageRecorder messages;
  TempFolder folder;
  std::string song = folder.Write("song.txt", "keep me\n");
  TextFile reader;
  ASSERT_EQ(reader.OpenForReading(song), 0);
  TextFile writer;
  EXPECT_EQ(writer.OpenForWriting(song), platform::kSharingViolation);
  EXPECT_EQ(testsupport::ReadFileBytes(song), "keep me\n");
}
