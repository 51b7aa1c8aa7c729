#pragma once
// The Word document writer: one song text file (settings.songPath) becomes a Rich Text Format
// document beside it, base + ".rtf" (base: the song path without its extension). The document
// is written whole to base + ".rtf.tmp"; then the old document, when there is one, is copied
// to base + ".rtf.bak", the temporary document is copied over the document and deleted. The
// backup stays and is replaced by the next run.
//
// The document: ten head lines, the page set-up (portrait Letter in one column, indented or
// not, or landscape Letter in two columns), the lyric size, an empty line, then one body line
// per song line (WriteRtfLine.h; "\line" for an empty line) with at most one "\column" after
// the first lyric line at or past linesPerColumn in two columns, and "}" as the last byte.
// Every line ends in a single line feed. The composite document copies lines out of song
// documents and tells head from body by their first characters and the empty line, so the
// line structure is fixed, not only what a word processor shows.
//
// Statuses, each reported before returning:
//   0  the document was written and put in place;
//   1  the document cannot be written: the temporary document cannot be created ("Error
//      opening file %s for writing", temporary path), or the document would be the song itself
//      ("Error opening file %s for writing", document path). Nothing was changed;
//   2  the old document cannot be copied to the backup, or the temporary document cannot be
//      copied over the document: "Error copying file %s to %s." (from, to); the document is
//      unchanged and the temporary document stays;
//   3  a write to the temporary document failed: "Error writing to file %s" (temporary path);
//      the document and the backup are untouched, the temporary document may stay;
//   otherwise the song cannot be read: the status of TextFile::LoadWholeFile, which reported
//      it; nothing was created.
#include "songtext/FormatSettings.h"

int WriteRtfDocument(const FormatSettings& settings);
