// The web page of an arbitrary song under arbitrary settings. Properties: the page is written;
// it is pure ASCII; it ends with "</html>"; between the markup the page itself writes, no song
// text can open a tag or an entity of its own (every '<' and '>' of the body belongs to a chord
// span, every '&' starts an entity); one column means no table.
#include <string>

#include "FuzzSupport.h"
#include "html/WriteHtmlPage.h"

namespace {

void RemoveAll(std::string& text, const std::string& piece) {
  for (std::size_t at; (at = text.find(piece)) != std::string::npos;) text.erase(at, piece.size());
}

bool IsEntityAt(const std::string& text, std::size_t at) {
  for (const char* entity : {"&amp;", "&lt;", "&gt;"}) {
    if (text.compare(at, std::char_traits<char>::length(entity), entity) == 0) return true;
  }
  if (text.compare(at, 2, "&#") != 0) return false;
  std::size_t end = at + 2;
  while (end < text.size() && text[end] >= '0' && text[end] <= '9') ++end;
  return end > at + 2 && end < text.size() && text[end] == ';';
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzzsupport::SilenceUserMessages();
  if (size < 3) return 0;
  FormatSettings settings;
  settings.boldChords = data[0] & 1;
  settings.lineSpacing = data[0] & 2;
  settings.indentPage = data[0] & 4;
  settings.columns = (data[0] & 8) ? 1 : 0;
  settings.autoColumns = data[0] & 16;
  settings.chordSize = data[1] % 30;
  settings.lyricSize = data[0] & 32 ? settings.chordSize : 12;
  settings.linesPerColumn = static_cast<int>(data[2]) - 20;
  std::string song(reinterpret_cast<const char*>(data + 3), size - 3);
  settings.songPath = fuzzsupport::WriteInput("song.txt", song);

  SongContext context;
  fuzzsupport::Require(WriteHtmlPage(context, settings) == 0, "the page is written");
  std::string page = fuzzsupport::ReadBack(fuzzsupport::WorkFolder() + "/song.html");
  for (unsigned char c : page) fuzzsupport::Require(c < 0x80, "the page is pure ASCII");
  fuzzsupport::Require(page.size() >= 7 && page.compare(page.size() - 7, 7, "</html>") == 0, "the page ends the document");
  if (settings.columns == 0) fuzzsupport::Require(page.find("<table>") == std::string::npos, "one column has no table");

  std::size_t bodyStart = page.find("<pre>\n");
  std::size_t bodyEnd = page.rfind("</pre>\n");
  fuzzsupport::Require(bodyStart != std::string::npos && bodyEnd != std::string::npos && bodyStart < bodyEnd,
                       "the song stands in a preformatted block");
  std::string body = page.substr(bodyStart + 6, bodyEnd - bodyStart - 6);
  RemoveAll(body, "</pre>\n</td>\n<td class='lborder'>\n<pre>\n");
  RemoveAll(body, "<span class='chord'>");
  RemoveAll(body, "</span>");
  fuzzsupport::Require(body.find('<') == std::string::npos && body.find('>') == std::string::npos,
                       "song text opens no tag");
  for (std::size_t at = body.find('&'); at != std::string::npos; at = body.find('&', at + 1)) {
    fuzzsupport::Require(IsEntityAt(body, at), "every '&' of the song text starts an entity");
  }
  return 0;
}
