// The composites of the example set list, made as a user makes them in the dialog, read by
// real clients: LibreOffice lays the composite Word document out one song a page, each page
// holding its song's whole text; headless Chromium shows the composite page with every song
// whole and in the order of the list, in one column and in two.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RealClients.h"
#include "TestFiles.h"
#include "app/CMelvaneDlg.h"
#include "platform/testing/MemoryDialogBackEnd.h"
#include "platform/testing/MemorySettingsStore.h"
#include "platform/testing/Recorders.h"
#include "resources/ResourceIds.h"

using testsupport::ReadFileBytes;
using testsupport::TempFolder;

namespace {

const std::vector<std::string> kExampleSongs = {"amazing-grace", "the-water-is-wide", "scarborough-fair",
                                                "shenandoah"};

// The text without any blank (spaces, no-break spaces, line ends, page breaks): what is left
// when a client has wrapped lines and spaced columns its own way.
std::string Inked(const std::string& text) {
  std::string inked;
  for (std::size_t i = 0; i < text.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(text[i]);
    if (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v') continue;
    if (c == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) == 0xA0) {
      ++i;
      continue;
    }
    inked += text[i];
  }
  return inked;
}

// The song's lines as a browser shows them in a preformatted block.
std::string ShownText(const std::string& song) {
  std::string text;
  std::size_t start = 0;
  while (start < song.size()) {
    std::size_t end = song.find('\n', start);
    if (end == std::string::npos) end = song.size();
    std::string line = song.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    text += line + "\n";
    start = end + 1;
  }
  return text;
}

// The example songs and set list in a fresh folder, and the main dialog over them with the
// first song selected.
class ExampleSetList : public ::testing::Test {
 protected:
  TempFolder folder;
  platform::testing::MessageRecorder messages;
  platform::testing::MemoryDialogBackEnd backEnd;
  platform::testing::MemorySettingsStore store;
  CMelvaneDlg dialog{backEnd, store};
  platform::testing::MemoryDialogWindow* window = nullptr;

  void SetUp() override {
    for (const std::string& song : kExampleSongs) folder.CopyIn("examples/" + song + ".txt", song + ".txt");
    folder.CopyIn("examples/SetList.txt", "SetList.txt");
    window = &backEnd.Open(dialog);
    dialog.songPath = folder / "amazing-grace.txt";
  }
  std::string Song(const std::string& name) { return ReadFileBytes(folder / (name + ".txt")); }
};

}  // namespace

TEST_F(ExampleSetList, WordProcessorShowsTheCompositeOneSongAPageEachWhole) {
  ASSERT_TRUE(window->Press(kCreateRtfFromSetListButton));
  ASSERT_TRUE(window->Press(kCreateCompositeRtfButton));
  ASSERT_TRUE(messages.Messages().empty());

  ASSERT_TRUE(acceptance::ConvertWithLibreOffice(folder, "pdf", "pdf", {folder / "SetList.rtf"}))
      << "LibreOffice did not run (scripts/install-deps.sh installs it)";
  std::string pdf = folder / "pdf/SetList.pdf";
  ASSERT_EQ(acceptance::PdfPageCount(pdf), static_cast<int>(kExampleSongs.size()));
  for (std::size_t i = 0; i < kExampleSongs.size(); ++i) {
    SCOPED_TRACE(kExampleSongs[i]);
    EXPECT_EQ(Inked(acceptance::PdfPageText(pdf, static_cast<int>(i) + 1)), Inked(Song(kExampleSongs[i])));
  }
}

TEST_F(ExampleSetList, BrowserShowsTheCompositeWithEverySongInOrder) {
  struct Mode {
    const char* name;
    int columnRadio;
  };
  ASSERT_TRUE(window->Press(kAutomaticCheck));  // two columns break each song at its half
  std::vector<std::string> composites;
  for (Mode mode : {Mode{"one column", kOneColumnRadio}, Mode{"two columns", kTwoColumnsRadio}}) {
    ASSERT_TRUE(window->Press(mode.columnRadio));
    ASSERT_TRUE(window->Press(kCreateHtmlFromSetListButton));
    window->Type(kAppendEdit, std::string("-") + mode.name);
    ASSERT_TRUE(window->Press(kCreateCompositeHtmlButton));
    composites.push_back(folder / ("SetList-" + std::string(mode.name) + ".html"));
  }
  ASSERT_TRUE(messages.Messages().empty());

  std::string allSongs;
  for (const std::string& song : kExampleSongs) allSongs += ShownText(Song(song));
  std::vector<std::vector<std::string>> rendered = acceptance::RenderInChromium(composites);
  ASSERT_EQ(rendered.size(), 2u);
  // One column: a single block holding the songs one after the other, exactly as written.
  ASSERT_EQ(rendered[0].size(), 2u);
  EXPECT_EQ(rendered[0][1], allSongs);
  // Two columns: every song in a table of two cells; the whole page reads as the songs in order.
  EXPECT_EQ(rendered[1].size(), 1 + 2 * kExampleSongs.size());
  for (const std::vector<std::string>& page : rendered) EXPECT_EQ(Inked(page.at(0)), Inked(allSongs));
}
