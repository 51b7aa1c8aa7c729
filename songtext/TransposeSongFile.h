#pragma once
// Rewrites a song file in place with every chord moved by `steps` semitones (0 only
// re-spells) and spelled with sharps (useSharps non-zero) or flats.
//
// The new text goes to base + ".tmp" (every line ending in CR LF); the old song is then copied
// to base + ".bak", the temporary file copied over the song and deleted. At every step the old
// song is in the song file or in the backup. context.outputPath receives the temporary path.
//
// Statuses and what the user sees:
//   0  done.
//   1  the temporary file cannot be created: "Error opening file %s for writing" (temporary
//      path) and the diagnostic line "Error opening file <tmp>"; nothing changed.
//   2  a copy failed: "Error copying file %s to %s." (from, to) and the diagnostic line
//      "Error copying <from> to <to>"; the song is unchanged.
//   3  a write to the temporary file failed: "Error writing to file %s" (temporary path); the
//      song and the backup are untouched.
//   other  the song cannot be opened or read: "Error opening file %s for reading"; nothing is
//      written or copied.
#include <string>

#include "songtext/SongContext.h"

int TransposeSongFile(SongContext& context, std::string songPath, int steps, int useSharps);
