#pragma once
// Paths named on the command line, made absolute against the current folder.
#include <string>

namespace platform {

// A relative path gets the current folder and a '/' in front; an absolute or empty path is
// returned as it is. Nothing is resolved or tidied (no "..", no links): the bytes the user
// gave stay as given. When the current folder cannot be found the path is returned as it is.
std::string MakeAbsolutePath(const std::string& path);

}  // namespace platform
