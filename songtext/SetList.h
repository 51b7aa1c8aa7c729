#pragma once
// Set lists: a text file naming the songs of one performance, one entry a line, relative to
// the set list's folder. Entries are read as Windows wrote them too: a '\' in an entry is a
// folder separator, and a byte-order mark before the first entry is not part of it.
#include <string>

#include "songtext/TextModeFile.h"

// What became of one entry's document when a composite copied it: skipped because there is
// none, copied, or it exists but could not be read (to the end), or the composite could not be
// written.
enum class AppendOutcome { Skipped, Appended, ReadFailed, WriteFailed };

class SetListReader {
 public:
  // Opens the set list; returns 0 or the platform status. Shows no message.
  int Open(const std::string& path);
  // The next entry, taken whole (blanks included), with '\' read as '/'; false at the end.
  bool NextEntry(std::string& entry);
  bool ReadFailed() const { return file_.ReadFailed(); }

 private:
  TextModeReader file_;
  bool first_ = true;
};

// The file an entry names: folder + "/" + the entry with its extension replaced by
// `extension` (an entry without one gains it; for "txt" an extension that already reads
// "txt" in any letter case is kept as written).
std::string SetListEntryPath(const std::string& folder, const std::string& entry, const std::string& extension);
