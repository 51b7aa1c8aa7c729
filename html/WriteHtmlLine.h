#pragma once
// One non-empty song line of a page, followed by its line feed. A chord line (IsChordLine) is
// walked in maximal runs: runs of blanks (the space character only) are written as they are,
// every other run, a token, is written inside a chord span when `useSpans` is set. Any other
// line is written as it is. Song text is escaped (EscapeHtml.h) inside and outside the spans.
//
// Returns 0, or the status of the first failed write to the page (after which nothing more is
// written).
#include <string_view>

class HtmlPageOutput;

int WriteHtmlLine(std::string_view line, HtmlPageOutput& page, bool useSpans);
