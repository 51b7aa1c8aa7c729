#pragma once
// The web page writer: one song text file (settings.songPath) becomes a page beside it,
// base + ".html" (base: the song path without its extension). The page is written whole to
// base + ".html.tmp"; then the old page is copied to base + ".html.bak" (skipped silently when
// that copy fails, for instance when there is no page yet), the temporary page is copied over
// the page and deleted.
//
// The page: a fixed head, the style sheet (fonts, sizes, bold chords, line height, indent),
// and the song in a preformatted block, in one column or in the two cells of a table. Chord
// tokens stand in spans when chords are bold, spaced, or of another size than the lyrics.
// Song text is escaped (EscapeHtml.h): a page is pure ASCII. Every line ends in a single line
// feed, and the page ends with "</html>" and no line feed. The composite page copies lines out
// of song pages, so the line structure is fixed, not only the rendering.
//
// With two columns and settings.autoColumns, settings.linesPerColumn becomes half the song's
// line count, in the caller's record. The line numbered linesPerColumn starts the second
// column (an empty line there is dropped); no other line does. Sets context.boldChords,
// context.lineSpacing, context.bodyFontSize and context.styleText.
//
// Statuses, each reported before returning:
//   0  the page was written and put in place;
//   1  the page cannot be written: the temporary page cannot be created ("Error opening file %s
//      for writing", temporary path), or the page would be the song itself ("Error opening
//      file %s for writing", page path). Nothing was changed;
//   2  the temporary page cannot be copied over the page: "Error copying file %s to %s."
//      (temporary path, page path); the temporary page stays;
//   3  a write to the temporary page failed: "Error writing to file %s" (temporary path); the
//      page and the backup are untouched, the temporary page may stay;
//   otherwise the song cannot be read: the status of TextFile::LoadWholeFile, which reported
//      it; nothing was created.
#include "songtext/FormatSettings.h"
#include "songtext/SongContext.h"

int WriteHtmlPage(SongContext& context, FormatSettings& settings);
