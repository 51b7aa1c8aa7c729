#pragma once
// One non-empty song line of a Word document, followed by its line end.
//
// A chord line (IsChordLine) is walked in maximal runs: a run of spaces (the space character
// only) becomes one "\~" per space; any other run, a chord token (a tab counts as part of it),
// becomes its own group: "{", "\b" with bold chords, "\fs" and twice the chord size and a
// space when the chord size differs from the lyric size, a space after a bare "\b", the token,
// "}". With bold, chord size 10 and lyric size 12, "G    D7" becomes
// "{\b\fs20 G}\~\~\~\~{\b\fs20 D7}"; without bold and with equal sizes "G" becomes "{G}" (no
// space: a space there would be text and push every chord one column to the right). Any
// other line is its text with every space as "\~". Song text is escaped (EscapeRtf.h).
//
// The line end: "\par \sa" + spacingText + LF when the line is not a chord line, lineSpacing is
// set and the line before (empty lines aside) was a chord line, so that each chord line and
// the lyric under it close one paragraph; "\line" LF in every other case.
//
// Returns whether the line was a chord line. A failed write is kept in `document`.
#include <string_view>

#include "songtext/FormatSettings.h"

class RtfDocumentOutput;

bool WriteRtfLine(const FormatSettings& settings, std::string_view line, RtfDocumentOutput& document,
                  bool lineSpacing, bool previousWasChord, std::string_view spacingText);
