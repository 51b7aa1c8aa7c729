// A song of 20 MB becomes a Word document like any other, while the writer holds the song
// about once: every allocation of this program is counted, and the most held at one time while
// the document is written is compared with the song's size.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <fstream>
#include <string>

#include "CountingAllocator.h"
#include "TestFiles.h"
#include "platform/testing/Recorders.h"
#include "rtf/WriteRtfDocument.h"

namespace {

// One verse: a chord line with a slash chord and a tab, an empty line, a lyric line with
// markup characters and letters outside ASCII; each as the song holds it and as the document
// writes it (line spacing on, so the lyric line closes the pair's paragraph).
const std::string kVerseSong[3] = {
    "  G       D/F#\tEm    C\n",
    "\n",
    "Caf\xC3\xA9 {cr\xC3\xA8me} \\ \xE2\x80\x94 Stra\xC3\x9F" "e\r\n",
};
const std::string kVerseDocument[3] = {
    "\\~\\~{\\b\\fs20 G}\\~\\~\\~\\~\\~\\~\\~{\\b\\fs20 D/F#\tEm}\\~\\~\\~\\~{\\b\\fs20 C}\\line\n",
    "\\line\n",
    "Caf\\u233?\\~\\{cr\\u232?me\\}\\~\\\\\\~\\u8212?\\~Stra\\u223?e\\par \\sa140\n",
};

TEST(LongSong, BecomesADocumentWhileTheSongIsHeldAboutOnce) {
  testsupport::TempFolder folder;
  platform::testing::MessageRecorder messages;
  const std::string verse = kVerseSong[0] + kVerseSong[1] + kVerseSong[2];
  const std::size_t verses = 20 * 1024 * 1024 / verse.size() + 1;
  {
    std::ofstream song(folder / "long.txt", std::ios::binary);
    for (std::size_t i = 0; i < verses; ++i) song << verse;
  }
  const std::size_t songSize = verses * verse.size();

  FormatSettings settings;
  settings.songPath = folder / "long.txt";
  settings.chordSize = 10;
  settings.lyricSize = 12;
  settings.lineSpacing = true;
  settings.columns = 1;
  settings.linesPerColumn = static_cast<int>(verses * 3 / 2);
  std::size_t before = testsupport::BytesHeld();
  testsupport::ResetMostBytesHeld();
  ASSERT_EQ(WriteRtfDocument(settings), 0);
  std::size_t most = testsupport::MostBytesHeld() - before;

  EXPECT_TRUE(messages.Messages().empty());
  EXPECT_GE(most, songSize);
  EXPECT_LT(most, songSize + songSize / 8) << "held at most " << most << " bytes for a song of " << songSize;

  // The body: every verse in turn, the column break after the first lyric line at or past
  // linesPerColumn, then the closing brace.
  std::string expected;
  bool columnBreakWritten = false;
  for (std::size_t number = 1; number <= verses * 3; ++number) {
    std::size_t kind = (number - 1) % 3;
    expected += kVerseDocument[kind];
    if (!columnBreakWritten && kind == 2 && number >= static_cast<std::size_t>(settings.linesPerColumn)) {
      expected += "\\column\n";
      columnBreakWritten = true;
    }
  }
  expected += "}";

  std::string document = testsupport::ReadFileBytes(folder / "long.rtf");
  std::size_t bodyStart = document.find("\n\n") + 2;
  ASSERT_EQ(document.size() - bodyStart, expected.size());
  auto differs = std::mismatch(expected.begin(), expected.end(),
                               document.begin() + static_cast<std::ptrdiff_t>(bodyStart));
  EXPECT_TRUE(differs.first == expected.end())
      << "first difference " << (differs.first - expected.begin()) << " bytes into the body";
}

}  // namespace
