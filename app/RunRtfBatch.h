#pragma once
// The Word document batch of the command line.
#include "app/CommandLineOptions.h"

// For every file the pattern names, in the search's order: the line "Melvane rtf: " + full
// path on standard output, then WriteRtfDocument with RtfBatchSettings. Every file is
// processed whatever the writer returns; the writer reports its own failures (messages on
// standard error). Each song gets base + ".rtf" beside it, with base + ".rtf.bak" holding the
// previous document. Returns 0 when every writer returned 0 (also when nothing matched),
// otherwise 1.
int RunRtfBatch(const CommandLineOptions& options);
