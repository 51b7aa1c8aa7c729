#pragma once
// The request record that says which song to use and how its document must look. Built fresh
// by each caller with these defaults; the HTML writer may change linesPerColumn in the
// caller's record.
#include <string>

struct FormatSettings {
  std::string songPath;            // full path of the song text file to read
  int chordSize = 2;               // chord font size in points
  int lyricSize = 2;               // lyric (body text) font size in points
  bool boldChords = true;          // chords are set in bold
  bool indentPage = true;          // RTF: left section margin; HTML: padded pre rule
  bool lineSpacing = false;        // extra space under chord/lyric pairs, from lineHeight
  int columns = 0;                 // 0 one column, 1 two columns
  int linesPerColumn = 32;         // where the column break falls (each writer has its rule)
  bool autoColumns = true;         // HTML writer computes linesPerColumn from the song
  std::string lineHeight = "1.5";  // as the user typed it
};
