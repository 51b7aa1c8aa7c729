// A song of 20 MB becomes a page like any other, while the writer holds the song about once:
// every allocation of this program is counted, and the most held at one time while the page
// is written is compared with the song's size.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <cstdlib>
#include <fstream>
#include <new>
#include <string>

#include "TestFiles.h"
#include "html/WriteHtmlPage.h"
#include "platform/testing/Recorders.h"

namespace {

std::atomic<std::size_t> bytesHeld{0};
std::atomic<std::size_t> mostHeld{0};

// Every block carries its size in front of it, so that a release can count it off.
constexpr std::size_t kHeader = alignof(std::max_align_t);

void* Allocate(std::size_t size) {
  void* block = std::malloc(size + kHeader);
  if (block == nullptr) return nullptr;
  *static_cast<std::size_t*>(block) = size;
  std::size_t held = bytesHeld += size;
  std::size_t most = mostHeld.load();
  while (held > most && !mostHeld.compare_exchange_weak(most, held)) {
  }
  return static_cast<char*>(block) + kHeader;
}

void Release(void* pointer) {
  if (pointer == nullptr) return;
  void* block = static_cast<char*>(pointer) - kHeader;
  bytesHeld -= *static_cast<std::size_t*>(block);
  std::free(block);
}

}  // namespace

void* operator new(std::size_t size) {
  if (void* pointer = Allocate(size)) return pointer;
  throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return operator new(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void operator delete(void* pointer) noexcept { Release(pointer); }
void operator delete[](void* pointer) noexcept { Release(pointer); }
void operator delete(void* pointer, std::size_t) noexcept { Release(pointer); }
void operator delete[](void* pointer, std::size_t) noexcept { Release(pointer); }
void operator delete(void* pointer, const std::nothrow_t&) noexcept { Release(pointer); }
void operator delete[](void* pointer, const std::nothrow_t&) noexcept { Release(pointer); }

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
  std::size_t before = bytesHeld.load();
  mostHeld = before;
  ASSERT_EQ(WriteHtmlPage(context, settings), 0);
  std::size_t most = mostHeld.load() - before;

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
