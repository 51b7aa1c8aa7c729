#pragma once
// What the command line asks for: the batch options and the file pattern.
#include <string>
#include <vector>

struct CommandLineOptions {
  std::string pattern;       // the batch's file pattern, or the song the dialog selects
  bool batch = false;        // a batch option was given
  bool rtf = false;          // Word documents instead of web pages
  int lyricValue = 1;        // the web pages' lyric size, 1..4 after limiting
  int chordValue = 1;        // the web pages' chord size, 1..4 after limiting
  bool twoColumns = false;   // two-column layout
  int linesPerColumn = 36;   // lines in the first column (not the record's 32)
  bool automatic = true;     // the writer places the column break itself
};

// Reads the arguments that follow the program's name, in order; a later option overrides an
// earlier one on the same field. Only '-' starts an option (every absolute path starts with
// '/'), and the option is told by its second character alone:
//   -h, -i     batch
//   -r         batch, Word documents
//   -sN        batch, lyric and chord value N      -lN  batch, lyric value N
//   -mN        batch, chord value N                 (N read as atoi reads it; none gives 0)
//   -c[dd]     batch, two columns; with two digits after the letter, that many lines in the
//              first column and the automatic break off (only the first two digits count)
// Any other letter, or a lone '-', changes nothing. Every other argument becomes the pattern,
// replacing an earlier one, with all its leading and trailing double quotes removed.
CommandLineOptions ReadCommandLine(const std::vector<std::string>& arguments);

// True when the command line asks for the batch: a batch option and a non-empty pattern.
bool RunsBatch(const CommandLineOptions& options);
