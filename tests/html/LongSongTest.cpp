// A song of 20 MB becomes a page like any other, while the writer holds the song about once:
// every allocation of this program is counted, and the most held at one time while the page
// is written is compared with the song's size.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <fstream>
#include <string>

#include "CountingAllocator.h"
#include "TestFiles.h"
#include "html/WriteHtmlPage.h"
#include "platform/testing/Recorders.h"

namespace {

// One verse: a chord line with a slash chord and a tab, a lyric line with markup characters
// and letters outside ASCII, an empty line; each as the song holds it and as the page shows it.
const std::string kVerseSong[3] = {
    "  G       D/F#\tEm    C\n",
    "Caf\xC3\xA9 & cr\xC3\xA8me <br> \xE2\x80\x94 Stra\xC3\x9F" "e\n",
    "\n",
};
const std::string kVersePage[3] = {
    "  <span class='chord'>G</span>       <span class='chord'>D/F#\tEm</span>    <span class='chord'>C</span>\n",
    "Caf&#233; &amp; cr&#232;me &lt;br&gt; &#8212; Stra&#223;e\n",
    "\n",
};

TEST(LongSong, BecomesAPageWhileTheSongIsHeldAboutOnce) {
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
  settings.columns = 1;
  settings.autoColumns = true;
  SongContext context;
  std::size_t before = testsupport::BytesHeld();
  testsupport::ResetMostBytesHeld();
  ASSERT_EQ(WriteHtmlPage(context, settings), 0);
  std::size_t most = testsupport::MostBytesHeld() - before;

  EXPECT_TRUE(messages.Messages().empty());
  EXPECT_EQ(settings.linesPerColumn, static_cast<int>(verses * 3 / 2));
  EXPECT_GE(most, songSize);
  EXPECT_LT(most, songSize + songSize / 8) << "held at most " << most << " bytes for a song of " << songSize;

  // The song part of the page: every verse in turn, the column break before the line numbered
  // linesPerColumn (dropped when that line is empty), then the page's end.
  std::string expected;
  for (std::size_t number = 1; number <= verses * 3; ++number) {
    const std::string& songLine = kVersePage[(number - 1) % 3];
    if (number == static_cast<std::size_t>(settings.linesPerColumn)) {
      expected += "</pre>\n</td>\n<td class='lborder'>\n<pre>\n";
      if (songLine == "\n") continue;
    }
    expected += songLine;
  }
  expected += "</pre>\n</td></tr>\n</table>\n</body>\n</html>";

  std::string page = testsupport::ReadFileBytes(folder / "long.html");
  std::size_t songStart = page.find("<pre>\n") + 6;
  ASSERT_EQ(page.size() - songStart, expected.size());
  auto differs = std::mismatch(expected.begin(), expected.end(), page.begin() + static_cast<std::ptrdiff_t>(songStart));
  EXPECT_TRUE(differs.first == expected.end())
      << "first difference " << (differs.first - expected.begin()) << " bytes into the song part";
}

}  // namespace
