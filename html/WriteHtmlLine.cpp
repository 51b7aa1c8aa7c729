#include "html/WriteHtmlLine.h"

#include <cstddef>

#include "html/HtmlPageOutput.h"
#include "html/HtmlTexts.h"
#include "songtext/ChordLine.h"

int WriteHtmlLine(std::string_view line, HtmlPageOutput& page, bool useSpans) {
  if (!IsChordLine(line)) {
    page.SongText(line);
  } else {
    std::size_t index = 0;
    while (index < line.size()) {
      bool blanks = line[index] == ' ';
      std::size_t end = index;
      while (end < line.size() && (line[end] == ' ') == blanks) ++end;
      std::string_view run = line.substr(index, end - index);
      if (blanks) {
        page.Markup(run);
      } else if (useSpans) {
        page.Markup(kHtmlChordSpanOpen);
        page.SongText(run);
        page.Markup(kHtmlChordSpanClose);
      } else {
        page.SongText(run);
      }
      index = end;
    }
  }
  page.Markup("\n");
  return page.Status();
}
