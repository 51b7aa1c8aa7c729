#include <gtest/gtest.h>

#include "songtext/PathHelpers.h"

TEST(PathHelpers, ExtensionStartsOnlyAfterTheLastSlash) {
  struct Case {
    const char* path;
    const char* base;
    const char* extension;
  };
  const Case cases[] = {
      {"/a.b/song", "/a.b/song", ""},
      {"/songs/amazing.grace.txt", "/songs/amazing.grace", "txt"},
      {".txt", "", "txt"},
      {"/songs/.txt", "/songs/", "txt"},
      {"song", "song", ""},
      {"song.", "song", ""},
      {"", "", ""},
      {"/My.Songs/Blue", "/My.Songs/Blue", ""},
      {"/songs/caf\xC3\xA9.txt", "/songs/caf\xC3\xA9", "txt"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    PathParts parts = SplitPathExtension(c.path);
    EXPECT_EQ(parts.first, c.base);
    EXPECT_EQ(parts.second, c.extension);
    EXPECT_EQ(PathExtension(c.path), c.extension);
  }
}

TEST(PathHelpers, ReplaceExtensionAddsOneWhenMissing) {
  EXPECT_EQ(ReplacePathExtension("/dir/song", "html"), "/dir/song.html");
  EXPECT_EQ(ReplacePathExtension("/dir/song.txt", "html"), "/dir/song.html");
  EXPECT_EQ(ReplacePathExtension("/my.dir/song", "rtf"), "/my.dir/song.rtf");
  EXPECT_EQ(ReplacePathExtension("hymns/Abide", "txt"), "hymns/Abide.txt");
}

TEST(PathHelpers, DirectoryAndNameSplitAtTheLastSlash) {
  struct Case {
    const char* path;
    const char* directory;
    const char* name;
  };
  const Case cases[] = {
      {"song.txt", "song.txt", ""},
      {"/songs/a.txt", "/songs", "a.txt"},
      {"/a.txt", "", "a.txt"},
      {"/songs/", "/songs", ""},
      {"", "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(PathDirectory(c.path), c.directory);
    EXPECT_EQ(PathFileName(c.path), c.name);
  }
}
