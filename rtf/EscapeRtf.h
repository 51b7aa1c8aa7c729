#pragma once
// Song text as a Word document carries it: '\', '{' and '}' become "\\", "\{" and "\}", so no
// lyric or chord can open, close or end a group or a control word; every character outside
// ASCII becomes "\uN?" (N its UTF-16 unit as a signed 16-bit decimal, two of them for a
// character above U+FFFF; '?' the stand-in that "\uc1" tells a reader to skip). A document is
// therefore pure ASCII whatever code page a reader assumes. Song bytes are read as UTF-8, a
// byte that is not valid UTF-8 as Windows-1252. Spaces become non-breaking spaces ("\~") so
// that a word processor keeps the song's columns; tabs and every other ASCII byte stay as they
// are.
//
// Characters that no document can carry become U+FFFD, shown as the replacement character: a
// NUL byte, and the C1 controls U+0080..U+009F (undefined bytes of Windows-1252 among them).
#include <cstddef>
#include <string>
#include <string_view>

// Appends the escaped form of the character that starts at `index` (index < text.size());
// returns how many bytes of `text` it used (at least 1).
std::size_t AppendEscapedRtfChar(std::string& out, std::string_view text, std::size_t index);

// Appends the whole text escaped.
void AppendEscapedRtf(std::string& out, std::string_view text);
