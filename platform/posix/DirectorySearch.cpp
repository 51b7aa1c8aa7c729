#include "platform/DirectorySearch.h"

#include <glob.h>
#include <sys/stat.h>

#include "platform/AbsolutePath.h"

namespace platform {
namespace {

// Follows links, so a link to a folder is a folder; a link to nothing is not.
bool IsFolder(const char* path) {
  struct stat info {};
  return ::stat(path, &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace

std::vector<std::string> FindMatchingFiles(const std::string& pattern) {
  std::vector<std::string> paths;
  if (pattern.empty()) return paths;
  // No GLOB_NOCHECK: a pattern that matches nothing yields nothing, not itself. No GLOB_ERR:
  // an unreadable folder on the way is passed over. The current directory is read once.
  std::string currentDirectory;
  if (pattern.front() != '/') ReadCurrentDirectory(currentDirectory);
  glob_t found{};
  if (::glob(pattern.c_str(), 0, nullptr, &found) == 0) {
    for (std::size_t i = 0; i < found.gl_pathc; ++i) {
      const char* entry = found.gl_pathv[i];
      if (IsFolder(entry)) continue;
      // glob keeps the pattern's folder part in each entry, so making the entry absolute is
      // the folder part made absolute, '/', and the name.
      paths.push_back(MakeAbsolutePath(entry, currentDirectory));
    }
  }
  ::globfree(&found);
  return paths;
}

}  // namespace platform
