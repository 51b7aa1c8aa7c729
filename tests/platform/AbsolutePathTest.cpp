#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/AbsolutePath.h"

TEST(AbsolutePath, RelativePathsGainTheCurrentFolderAndKeepTheirBytes) {
  std::string folder = std::filesystem::current_path().string();
  EXPECT_EQ(platform::MakeAbsolutePath("song.txt"), folder + "/song.txt");
  EXPECT_EQ(platform::MakeAbsolutePath("../songs/caf\xE9.txt"), folder + "/../songs/caf\xE9.txt");
  EXPECT_EQ(platform::MakeAbsolutePath("*.txt"), folder + "/*.txt");
}

TEST(AbsolutePath, AbsoluteAndEmptyPathsStayAsGiven) {
  EXPECT_EQ(platform::MakeAbsolutePath("/songs/../a.txt"), "/songs/../a.txt");
  EXPECT_EQ(platform::MakeAbsolutePath(""), "");
}
