#pragma once
// The directory search of the batch (CFileFind in the Windows design): every file that a
// pattern names, as a full path.
#include <string>
#include <vector>

namespace platform {

// The full absolute paths of the entries that match `pattern`, in the order the search yields
// them (sorted by name, byte by byte). Wildcards are those of glob(3): '*', '?' and '[...]',
// with '\' quoting the next character; a leading '.' in a name is matched only by a '.' in the
// pattern. A relative pattern is taken against the current directory.
//
// Folders, and links to folders, are skipped ("." and ".." among them). Every other entry is
// yielded, also one that is not a regular file (a FIFO, a device, a link to nothing): the
// document writers refuse those with their reading message, so the user hears of them instead
// of the batch passing over them in silence. No match, an empty pattern and an unreadable
// folder give no paths. There is no length limit.
std::vector<std::string> FindMatchingFiles(const std::string& pattern);

}  // namespace platform
