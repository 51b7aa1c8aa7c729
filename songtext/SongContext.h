#pragma once
// The working record of one song operation: the file a worker writes, and the HTML writer's
// style text and flag copies.
#include <string>

struct SongContext {
  std::string outputPath;  // the transposer's temporary file, the chords-only sheet
  std::string styleText;   // the .chord and .lyric rules of the page head
  bool boldChords = false;
  bool lineSpacing = false;
  int bodyFontSize = 12;   // set from lyricSize before use; the default never reaches a page
};
