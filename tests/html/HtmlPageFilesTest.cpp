// Where the page goes and how it replaces the old one: names, backup, and a failure at each
// step leaving the old page, the backup and the song as they were.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "TestFiles.h"
#include "html/WriteHtmlPage.h"
#include "platform/testing/FaultPlan.h"
#include "platform/testing/Recorders.h"

using platform::FileOperation;
using platform::testing::FaultPlan;
using testsupport::FileExists;
using testsupport::ReadFileBytes;
using testsupport::TempFolder;

namespace {

const std::string kSong = "Title\n  G     D/F#\nAmazing grace & <more>\n";
// A song whose page takes several writes.
std::string LongerSong() {
  std::string song;
  while (song.size() < 200 * 1024) song += kSong;
  return song;
}
const std::string kOldPage = "the page of an earlier run";
const std::string kOldBackup = "the backup of an earlier run";

class HtmlPageFiles : public ::testing::Test {
 protected:
  int Write(const std::string& songPath) {
    FormatSettings settings;
    settings.songPath = songPath;
    SongContext context;
    return WriteHtmlPage(context, settings);
  }

  // The names in the folder, sorted.
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder_.Path())) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  TempFolder folder_;
  platform::testing::MessageRecorder messages_;
};

struct NameCase {
  std::string song;
  std::string page;
};

TEST_F(HtmlPageFiles, PutsThePageBesideTheSongUnderItsBaseName) {
  const std::vector<NameCase> cases = {
      {"amazing.grace.txt", "amazing.grace.html"},
      {"hymn", "hymn.html"},
      {"my.songs/hymn", "my.songs/hymn.html"},
      {"my.songs/psalm.txt", "my.songs/psalm.html"},
  };
  for (const NameCase& c : cases) {
    SCOPED_TRACE(c.song);
    std::string song = folder_.Write(c.song, kSong);
    ASSERT_EQ(Write(song), 0);
    EXPECT_TRUE(FileExists(folder_ / c.page));
    EXPECT_FALSE(FileExists(folder_ / (c.page + ".bak")));
    EXPECT_FALSE(FileExists(folder_ / (c.page + ".tmp")));
  }
  EXPECT_TRUE(messages_.Messages().empty());
}

TEST_F(HtmlPageFiles, SecondRunMakesTheFirstPageTheBackup) {
  std::string song = folder_.Write("amazing.grace.txt", kSong);
  ASSERT_EQ(Write(song), 0);
  std::string firstPage = ReadFileBytes(folder_ / "amazing.grace.html");

  FormatSettings settings;
  settings.songPath = song;
  settings.columns = 1;
  SongContext context;
  ASSERT_EQ(WriteHtmlPage(context, settings), 0);

  EXPECT_EQ(ReadFileBytes(folder_ / "amazing.grace.html.bak"), firstPage);
  EXPECT_NE(ReadFileBytes(folder_ / "amazing.grace.html"), firstPage);
  EXPECT_EQ(Names(), (std::vector<std::string>{"amazing.grace.html", "amazing.grace.html.bak", "amazing.grace.txt"}));
  EXPECT_TRUE(messages_.Messages().empty());
}

TEST_F(HtmlPageFiles, UnreadableSongCreatesNothing) {
  std::string song = folder_ / "song.txt";
  folder_.Write("song.html", kOldPage);
  int status = Write(song);
  EXPECT_NE(status, 0);
  EXPECT_NE(status, 1);
  EXPECT_EQ(messages_.Messages(), std::vector<std::string>{"Error opening file " + song + " for reading"});
  EXPECT_EQ(Names(), std::vector<std::string>{"song.html"});
  EXPECT_EQ(ReadFileBytes(folder_ / "song.html"), kOldPage);
}

TEST_F(HtmlPageFiles, SongUnreadableOnTheSecondReadingCreatesNothing) {
  std::string song = folder_.Write("song.txt", kSong);
  FormatSettings settings;
  settings.songPath = song;
  settings.columns = 1;
  settings.autoColumns = true;
  SongContext context;
  FaultPlan faults;
  faults.FailNth(FileOperation::OpenRead, 2);
  EXPECT_NE(WriteHtmlPage(context, settings), 0);
  EXPECT_EQ(messages_.Messages(), std::vector<std::string>{"Error opening file " + song + " for reading"});
  EXPECT_EQ(Names(), std::vector<std::string>{"song.txt"});
}

// A folder holding the song, a page and a backup of earlier runs.
class HtmlPageReplacement : public HtmlPageFiles {
 protected:
  void SetUp() override {
    song_ = folder_.Write("song.txt", LongerSong());
    folder_.Write("song.html", kOldPage);
    folder_.Write("song.html.bak", kOldBackup);
  }
  void ExpectEarlierFilesKept() {
    EXPECT_EQ(ReadFileBytes(song_), LongerSong());
    EXPECT_EQ(ReadFileBytes(folder_ / "song.html"), kOldPage);
    EXPECT_EQ(ReadFileBytes(folder_ / "song.html.bak"), kOldBackup);
  }
  std::string song_;
};

TEST_F(HtmlPageReplacement, TemporaryPageThatCannotBeCreatedChangesNothing) {
  FaultPlan faults;
  faults.FailEvery(FileOperation::OpenWrite, ".html.tmp");
  EXPECT_EQ(Write(song_), 1);
  EXPECT_EQ(messages_.Messages(), std::vector<std::string>{"Error opening file " + (folder_ / "song.html.tmp") + " for writing"});
  ExpectEarlierFilesKept();
  EXPECT_FALSE(FileExists(folder_ / "song.html.tmp"));
}

TEST_F(HtmlPageReplacement, FailedWriteAtAnyStepKeepsPageAndBackup) {
  int writes = 0;
  {
    TempFolder other;
    FaultPlan counter;
    FormatSettings settings;
    settings.songPath = other.Write("song.txt", LongerSong());
    SongContext context;
    ASSERT_EQ(WriteHtmlPage(context, settings), 0);
    writes = counter.Count(FileOperation::Write);
  }
  ASSERT_GE(writes, 4);
  for (int nth = 1; nth <= writes; ++nth) {
    for (bool shortWrite : {false, true}) {
      SCOPED_TRACE("write " + std::to_string(nth) + (shortWrite ? " short" : " failed"));
      messages_.Clear();
      FaultPlan faults;
      if (shortWrite) {
        faults.ShortNthWrite(nth, 1);
      } else {
        faults.FailNth(FileOperation::Write, nth);
      }
      EXPECT_EQ(Write(song_), 3);
      EXPECT_EQ(faults.Count(FileOperation::Write), nth);
      EXPECT_EQ(messages_.Messages(), std::vector<std::string>{"Error writing to file " + (folder_ / "song.html.tmp")});
      ExpectEarlierFilesKept();
    }
  }
}

TEST_F(HtmlPageReplacement, PageThatCannotBeReplacedKeepsItsTextAndTheNewPageStaysBeside) {
  FaultPlan faults;
  faults.FailEvery(FileOperation::Copy, "/song.html");
  EXPECT_EQ(Write(song_), 2);
  EXPECT_EQ(messages_.Messages(), std::vector<std::string>{"Error copying file " + (folder_ / "song.html.tmp") +
                                                           " to " + (folder_ / "song.html") + "."});
  EXPECT_EQ(ReadFileBytes(folder_ / "song.html"), kOldPage);
  EXPECT_EQ(ReadFileBytes(folder_ / "song.html.bak"), kOldPage);
  EXPECT_NE(ReadFileBytes(folder_ / "song.html.tmp").find("Amazing grace &amp; &lt;more&gt;"), std::string::npos);
  EXPECT_EQ(ReadFileBytes(song_), LongerSong());
}

// The old page is replaced only once it is safe in the backup.
TEST_F(HtmlPageReplacement, BackupThatCannotBeMadeStopsBeforeThePageIsReplaced) {
  FaultPlan faults;
  faults.FailEvery(FileOperation::Copy, ".html.bak");
  EXPECT_EQ(Write(song_), 2);
  EXPECT_EQ(messages_.Messages(), std::vector<std::string>{"Error copying file " + (folder_ / "song.html") + " to " +
                                                           (folder_ / "song.html.bak") + "."});
  EXPECT_EQ(ReadFileBytes(folder_ / "song.html.bak"), kOldBackup);
  EXPECT_EQ(ReadFileBytes(folder_ / "song.html"), kOldPage);
}

TEST_F(HtmlPageReplacement, TemporaryPageThatCannotBeDeletedStillCountsAsDone) {
  FaultPlan faults;
  faults.FailEvery(FileOperation::Delete, ".html.tmp");
  EXPECT_EQ(Write(song_), 0);
  EXPECT_TRUE(messages_.Messages().empty());
  EXPECT_EQ(ReadFileBytes(folder_ / "song.html.tmp"), ReadFileBytes(folder_ / "song.html"));
  EXPECT_EQ(ReadFileBytes(folder_ / "song.html.bak"), kOldPage);
}

TEST_F(HtmlPageFiles, RefusesASongThatWouldBeItsOwnPage) {
  std::string named = folder_.Write("named.html", kSong);
  std::string linkedSong = folder_.Write("linked.txt", kSong);
  std::filesystem::create_symlink("linked.txt", folder_.Path() / "linked.html");
  struct Case {
    std::string song;
    std::string page;
  };
  for (const Case& c : {Case{named, named}, Case{linkedSong, folder_ / "linked.html"}}) {
    SCOPED_TRACE(c.song);
    messages_.Clear();
    EXPECT_EQ(Write(c.song), 1);
    EXPECT_EQ(messages_.Messages(), std::vector<std::string>{"Error opening file " + c.page + " for writing"});
    EXPECT_EQ(ReadFileBytes(c.song), kSong);
  }
  EXPECT_EQ(Names(), (std::vector<std::string>{"linked.html", "linked.txt", "named.html"}));
}

TEST_F(HtmlPageFiles, NeverCopiesOverASongThatIsAlsoItsBackup) {
  std::string song = folder_.Write("song.txt", kSong);
  folder_.Write("song.html", kOldPage);
  std::filesystem::create_hard_link(song, folder_.Path() / "song.html.bak");
  EXPECT_EQ(Write(song), 2);
  EXPECT_EQ(ReadFileBytes(song), kSong);
  EXPECT_EQ(ReadFileBytes(folder_ / "song.html"), kOldPage);
}

}  // namespace
