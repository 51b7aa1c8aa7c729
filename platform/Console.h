#pragma once
// Standard output as the program uses it: the echoed arguments, batch progress lines and the
// short diagnostic lines of the file layer. Everything is flushed at once so that the order
// of lines is kept when standard output and a message sink share a terminal.
#include <string_view>

namespace platform {

// Writes the bytes as they are, then flushes.
void WriteStdout(std::string_view text);

// Writes the text and one line feed, then flushes.
void WriteStdoutLine(std::string_view text);

// A closed pipe must never stop a batch half-way through replacing a document.
void IgnoreBrokenPipe();

}  // namespace platform
