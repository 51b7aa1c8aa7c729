#pragma once
// Chords-only sheets: a copy of a song keeping its title, chord lines, section headings and
// empty lines, written beside it as base + "-chords.txt".
#include <string>

#include "songtext/SongContext.h"

// The sheet's path: the song path itself when its file name already holds "-chords" or it has
// no extension; otherwise the text before the extension + "-chords" + ".txt" (an extension
// that reads "txt" in any letter case is kept as written).
std::string ChordsFileName(const std::string& songPath);

inline constexpr int kChordsSheetCannotBeCreated = 1;
inline constexpr int kChordsSheetWriteFailed = 3;

// Writes the sheet (replacing an older one); context.outputPath receives its path. Kept lines
// end in CR LF; `nonEmptyLines` (when given) receives the number of non-empty lines read.
// Statuses: 0 written; 1 the sheet cannot be created ("Error opening file %s for writing" and
// the diagnostic line "Error opening file <sheet>"); 3 a write failed ("Error writing to file
// %s"); the reader's status when the song cannot be opened or read ("Error opening file %s
// for reading"), in which case nothing is written. (A line count as the result would make a
// three-line sheet look like a failed write.)
int WriteChordsOnly(SongContext& context, const std::string& songPath, const std::string& sheetPath,
                    int* nonEmptyLines = nullptr);
