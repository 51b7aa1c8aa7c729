#pragma once
// The records the command-line batches hand to the writers.
//
// The batch's size numbers are the classic web font-size scale 1..4; written as points they
// would make unreadable 1-4 pt documents, so both batches turn them into points: 1, 2, 3, 4 ->
// 8, 10, 12, 14 (BatchPointSize).
#include <string>

#include "app/CommandLineOptions.h"
#include "songtext/FormatSettings.h"

// A batch size number as points; a value below 1 counts as 1 and above 4 as 4.
constexpr int BatchPointSize(int value) {
  const int limited = value < 1 ? 1 : (value > 4 ? 4 : value);
  return 6 + 2 * limited;
}

// The Word document batch's record for one song: a fresh FormatSettings with the song, the
// column choice of the command line, and the record's default size 2 as points (10). The size
// options are not used.
FormatSettings RtfBatchSettings(const CommandLineOptions& options, const std::string& songPath);

// The web page batch's one record for a run: chord and lyric values limited to 1..4 and made
// points, the column choice of the command line, an indented page exactly when one column was
// asked for, bold chords and line spacing on, line height "1.5". The song path is left empty.
FormatSettings HtmlBatchSettings(const CommandLineOptions& options);
