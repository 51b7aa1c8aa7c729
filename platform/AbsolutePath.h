#pragma once
// Paths made absolute against the current directory, the way the Windows design's full-path
// call does it for a file named on the command line.
#include <string>

namespace platform {

// The current directory + '/' + `path` for a relative path; an absolute path (one beginning
// with '/') and the empty path come back unchanged. Nothing is resolved or tidied: "." and ".."
// stay as written, since a lexical ".." may lead elsewhere than the system's. When the current
// directory cannot be read (it was removed), the path comes back unchanged.
std::string MakeAbsolutePath(const std::string& path);

// The same with the current directory read once by the caller (ReadCurrentDirectory), for
// many paths in a row.
std::string MakeAbsolutePath(const std::string& path, const std::string& currentDirectory);

// The current directory, of any length. False when it cannot be read (it was removed).
bool ReadCurrentDirectory(std::string& directory);

}  // namespace platform
