#pragma once
// Song text as a page carries it: '&', '<' and '>' become "&amp;", "&lt;" and "&gt;", and every
// character outside ASCII becomes "&#N;" (N its Unicode code point, decimal), so a page is
// pure ASCII and needs no declared character set. Song bytes are read as UTF-8, a byte that is
// not valid UTF-8 as Windows-1252. Every other ASCII byte stays as it is, so line ends, blanks
// and tabs keep their places.
//
// Characters that no page can carry become U+FFFD, shown as the replacement character: a NUL
// byte (browsers drop it), and the C1 controls U+0080..U+009F (browsers read "&#128;" to
// "&#159;" as Windows-1252 letters, which the song does not hold).
#include <cstddef>
#include <string>
#include <string_view>

// Appends the escaped form of the character that starts at `index` (index < text.size());
// returns how many bytes of `text` it used (at least 1).
std::size_t AppendEscapedHtmlChar(std::string& out, std::string_view text, std::size_t index);

// Appends the whole text escaped.
void AppendEscapedHtml(std::string& out, std::string_view text);
