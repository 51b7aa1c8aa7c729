#pragma once
// The web page batch of the command line.
#include "app/CommandLineOptions.h"

// Writes "Melvane 1.08" and "Using <pattern> to create HTML file of size <lyric value as
// given>." on standard output, then, for every file the pattern names, in the search's order,
// the line "Melvane html: " + full path and WriteHtmlPage with a fresh SongContext and the
// run's one HtmlBatchSettings record (the writer may change its linesPerColumn for the files
// after it). Every file is processed whatever the writer returns; the writer reports its own
// failures. Each song gets base + ".html" beside it, with base + ".html.bak" holding the
// previous page. Returns 0 when every writer returned 0 (also when nothing matched), otherwise 1.
int RunHtmlBatch(const CommandLineOptions& options);
