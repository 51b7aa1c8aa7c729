// A real browser shows every song as written: headless Chromium loads each page, and the text
// it renders, column by column, is the song's text (markup characters and letters outside
// ASCII included, in songs stored as UTF-8 and as Windows-1252).
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "TestFiles.h"
#include "html/WriteHtmlPage.h"
#include "platform/Letters.h"
#include "platform/testing/Recorders.h"

using testsupport::ReadFileBytes;
using testsupport::TempFolder;

namespace {

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// The song's lines as a reader sees them: text decoded (UTF-8, other bytes as Windows-1252)
// and given as UTF-8, line ends removed. A final CR is a line end in a browser too.
std::vector<std::string> ShownLines(const std::string& song) {
  std::string text;
  for (std::size_t i = 0; i < song.size();) {
    platform::DecodedChar decoded = platform::DecodeCharAt(song, i);
    AppendUtf8(text, decoded.codePoint);
    i += decoded.length;
  }
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

// One JSON string starting at `pos` (at its opening quote), as UTF-8; `pos` ends after it.
std::string ParseJsonString(const std::string& json, std::size_t& pos) {
  std::string out;
  ++pos;
  auto hex4 = [&](std::size_t at) { return static_cast<char32_t>(std::stoul(json.substr(at, 4), nullptr, 16)); };
  while (pos < json.size() && json[pos] != '"') {
    char c = json[pos++];
    if (c != '\\') {
      out += c;
      continue;
    }
    char escape = json[pos++];
    switch (escape) {
      case 'n': out += '\n'; break;
      case 't': out += '\t'; break;
      case 'r': out += '\r'; break;
      case 'b': out += '\b'; break;
      case 'f': out += '\f'; break;
      case 'u': {
        char32_t unit = hex4(pos);
        pos += 4;
        if (unit >= 0xD800 && unit < 0xDC00 && json.compare(pos, 2, "\\u") == 0) {
          unit = 0x10000 + ((unit - 0xD800) << 10) + (hex4(pos + 2) - 0xDC00);
          pos += 6;
        }
        AppendUtf8(out, unit);
        break;
      }
      default: out += escape;
    }
  }
  ++pos;
  return out;
}

// A JSON array of strings, as the render script prints it for one page.
std::vector<std::string> ParseJsonStrings(const std::string& json) {
  std::vector<std::string> strings;
  for (std::size_t pos = json.find('"'); pos != std::string::npos; pos = json.find('"', pos)) {
    strings.push_back(ParseJsonString(json, pos));
  }
  return strings;
}

// For each page: the text Chromium shows, then the text of each preformatted block.
std::vector<std::vector<std::string>> RenderInChromium(const std::vector<std::string>& pages) {
  std::string command = "node '" + testsupport::SourcePath("tests/acceptance/html/render-text.mjs").string() + "'";
  for (const std::string& page : pages) command += " '" + page + "'";
  std::vector<std::vector<std::string>> rendered;
  FILE* output = ::popen(command.c_str(), "r");
  if (output == nullptr) return rendered;
  char buffer[65536];
  std::size_t got;
  std::string all;
  while ((got = std::fread(buffer, 1, sizeof buffer, output)) > 0) all.append(buffer, got);
  int status = ::pclose(output);
  EXPECT_EQ(status, 0) << "the render script failed (run scripts/install-deps.sh for the browser driver)";
  std::size_t start = 0;
  while (start < all.size()) {
    std::size_t end = all.find('\n', start);
    if (end == std::string::npos) end = all.size();
    rendered.push_back(ParseJsonStrings(all.substr(start, end - start)));
    start = end + 1;
  }
  return rendered;
}

std::string Joined(const std::vector<std::string>& lines, std::size_t from, std::size_t to) {
  std::string text;
  for (std::size_t i = from; i < to && i < lines.size(); ++i) text += lines[i] + "\n";
  return text;
}

struct BrowserCase {
  std::string name;
  std::string song;  // the song's bytes
  FormatSettings settings;
  std::vector<std::string> expectedBlocks;  // filled once the page is written
};

FormatSettings Layout(int chordSize, int lyricSize, bool bold, bool spacing, int columns, int linesPerColumn,
                      bool autoColumns) {
  FormatSettings settings;
  settings.chordSize = chordSize;
  settings.lyricSize = lyricSize;
  settings.boldChords = bold;
  settings.lineSpacing = spacing;
  settings.columns = columns;
  settings.linesPerColumn = linesPerColumn;
  settings.autoColumns = autoColumns;
  return settings;
}

std::string Corpus(const std::string& name) {
  return ReadFileBytes(testsupport::SourcePath("tests/data/corpus/" + name));
}

// The blocks the reader sees: the song, or its two columns split at the line numbered
// linesPerColumn (that line dropped when empty).
std::vector<std::string> ExpectedBlocks(const std::string& song, const FormatSettings& settings) {
  std::vector<std::string> lines = ShownLines(song);
  std::size_t breakLine = static_cast<std::size_t>(settings.linesPerColumn);
  if (settings.columns == 0 || settings.linesPerColumn <= 0 || breakLine > lines.size()) {
    return {Joined(lines, 0, lines.size())};
  }
  std::size_t secondFrom = lines[breakLine - 1].empty() ? breakLine : breakLine - 1;
  return {Joined(lines, 0, breakLine - 1), Joined(lines, secondFrom, lines.size())};
}

TEST(HtmlPageInBrowser, ShowsEverySongAsWritten) {
  TempFolder folder;
  platform::testing::MessageRecorder messages;
  std::vector<BrowserCase> cases = {
      {"amazing-grace.txt", Corpus("amazing-grace.txt"), Layout(12, 12, true, false, 0, 32, true), {}},
      {"silent-night.txt", Corpus("silent-night.txt"), Layout(12, 12, false, false, 0, 32, true), {}},
      {"swing-low-sweet-chariot.txt", Corpus("swing-low-sweet-chariot.txt"), Layout(14, 11, false, false, 0, 32, true), {}},
      {"wayfaring-stranger.txt", Corpus("wayfaring-stranger.txt"), Layout(12, 12, true, true, 1, 32, true), {}},
      {"amazing-grace-tabs.txt", Corpus("amazing-grace-tabs.txt"), Layout(12, 10, false, true, 1, 9, false), {}},
      {"markup-and-letters.txt",
       "Caf\xC3\xA9 & Cr\xC3\xA8me\n"
       "  G        D/F#     Em\n"
       "<b>Gr\xC3\xBC\xC3\x9F" "e</b> \xE2\x80\x94 &amp; \xC3\xBC" "ber alles\n"
       "\n"
       "C&D   G>A\n"
       "Stra\xC3\x9F" "e <&> Fa\xC3\xA7" "ade \xF0\x9D\x84\x9E\n",
       Layout(12, 10, true, false, 1, 4, false), {}},
  };
  std::vector<std::string> pages;
  for (BrowserCase& c : cases) {
    SCOPED_TRACE(c.name);
    c.settings.songPath = folder.Write(c.name, c.song);
    SongContext context;
    ASSERT_EQ(WriteHtmlPage(context, c.settings), 0);
    c.expectedBlocks = ExpectedBlocks(c.song, c.settings);
    pages.push_back(folder / (c.name.substr(0, c.name.size() - 4) + ".html"));
  }
  ASSERT_TRUE(messages.Messages().empty());

  std::vector<std::vector<std::string>> rendered = RenderInChromium(pages);
  ASSERT_EQ(rendered.size(), cases.size());
  for (std::size_t i = 0; i < cases.size(); ++i) {
    SCOPED_TRACE(cases[i].name);
    const std::vector<std::string>& texts = rendered[i];
    ASSERT_FALSE(texts.empty());
    std::vector<std::string> blocks(texts.begin() + 1, texts.end());
    EXPECT_EQ(blocks, cases[i].expectedBlocks);
    // The page as a whole: one block, or two table cells side by side.
    std::string body = blocks.size() == 2 ? blocks[0] + "\n\t\n" + blocks[1] : blocks.at(0);
    EXPECT_EQ(texts[0], body);
  }
}

}  // namespace
