// The batch's directory search: which entries a pattern yields, and how their paths are formed.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "TestFiles.h"
#include "platform/AbsolutePath.h"
#include "platform/DirectorySearch.h"

using platform::FindMatchingFiles;
using testsupport::TempFolder;
namespace fs = std::filesystem;

namespace {

// Runs a test body in `folder` as the current directory and goes back afterwards.
class CurrentDirectory {
 public:
  explicit CurrentDirectory(const fs::path& folder) : previous_(fs::current_path()) {
    fs::current_path(folder);
  }
  ~CurrentDirectory() { fs::current_path(previous_); }

 private:
  fs::path previous_;
};

using Paths = std::vector<std::string>;

}  // namespace

TEST(DirectorySearch, YieldsFilesInNameOrderAndSkipsFoldersAndLinksToFolders) {
  TempFolder folder;
  folder.Write("b.txt", "b");
  folder.Write("a.txt", "a");
  folder.Write("c.doc", "c");
  fs::create_directory(folder.Path() / "folder.txt");
  fs::create_directory_symlink(folder.Path() / "folder.txt", folder.Path() / "link-to-folder.txt");
  fs::create_symlink(folder.Path() / "a.txt", folder.Path() / "link-to-a.txt");
  EXPECT_EQ(FindMatchingFiles(folder / "*.txt"),
            (Paths{folder / "a.txt", folder / "b.txt", folder / "link-to-a.txt"}));
}

TEST(DirectorySearch, YieldsEntriesThatAreNeitherFileNorFolderSoTheWriterReportsThem) {
  TempFolder folder;
  fs::create_symlink(folder.Path() / "gone.txt", folder.Path() / "dangling.txt");
  ASSERT_EQ(::mkfifo((folder / "pipe.txt").c_str(), 0600), 0);
  EXPECT_EQ(FindMatchingFiles(folder / "*.txt"), (Paths{folder / "dangling.txt", folder / "pipe.txt"}));
}

TEST(DirectorySearch, DotAndDotDotAreSkippedButHiddenFilesMatchADotPattern) {
  TempFolder folder;
  folder.Write(".hidden", "h");
  folder.Write("shown", "s");
  EXPECT_EQ(FindMatchingFiles(folder / ".*"), Paths{folder / ".hidden"});
  EXPECT_EQ(FindMatchingFiles(folder / "*"), Paths{folder / "shown"});
}

TEST(DirectorySearch, RelativePatternGivesTheCurrentDirectoryTheFolderPartAndTheName) {
  TempFolder folder;
  folder.Write("songs/Grace.txt", "g");
  folder.Write("top.txt", "t");
  CurrentDirectory here(folder.Path());
  const std::string cwd = fs::current_path().string();
  struct Case {
    const char* pattern;
    Paths expected;
  };
  const Case cases[] = {
      {"songs/*.txt", {cwd + "/songs/Grace.txt"}},     {"*.txt", {cwd + "/top.txt"}},
      {"songs/Grace.txt", {cwd + "/songs/Grace.txt"}}, {"./songs/G?ace.txt", {cwd + "/./songs/Grace.txt"}},
      {"*/*.txt", {cwd + "/songs/Grace.txt"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.pattern);
    EXPECT_EQ(FindMatchingFiles(c.pattern), c.expected);
  }
}

TEST(DirectorySearch, NothingMatchedGivesNoPathsNotThePatternItself) {
  TempFolder folder;
  folder.Write("a.txt", "a");
  for (const std::string& pattern :
       {folder / "*.rtf", folder / "missing.txt", folder / "nowhere/*", std::string()}) {
    SCOPED_TRACE(pattern);
    EXPECT_EQ(FindMatchingFiles(pattern), Paths{});
  }
}

TEST(DirectorySearch, PathsLongerThanTheOldLimitAreFound) {
  TempFolder folder;
  std::string deep;
  for (int i = 0; i < 12; ++i) deep += std::string(40, static_cast<char>('a' + i)) + "/";
  std::string song = folder.Write(deep + "song.txt", "s");
  ASSERT_GT(song.size(), 500u);
  EXPECT_EQ(FindMatchingFiles(folder / (deep + "*.txt")), Paths{song});
}

TEST(AbsolutePath, RelativePathsGainTheCurrentDirectoryOthersStayAsTheyAre) {
  TempFolder folder;
  CurrentDirectory here(folder.Path());
  const std::string cwd = fs::current_path().string();
  EXPECT_EQ(platform::MakeAbsolutePath("Grace.txt"), cwd + "/Grace.txt");
  EXPECT_EQ(platform::MakeAbsolutePath("../songs/*.txt"), cwd + "/../songs/*.txt");
  EXPECT_EQ(platform::MakeAbsolutePath("/songs/Grace.txt"), "/songs/Grace.txt");
  EXPECT_EQ(platform::MakeAbsolutePath(""), "");
}

TEST(AbsolutePath, AtTheRootNoSeparatorIsDoubled) {
  CurrentDirectory here("/");
  EXPECT_EQ(platform::MakeAbsolutePath("Grace.txt"), "/Grace.txt");
}
