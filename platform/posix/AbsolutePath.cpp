#include "platform/AbsolutePath.h"

#include <unistd.h>

#include <cerrno>
#include <vector>

namespace platform {

bool ReadCurrentDirectory(std::string& directory) {
  // getcwd with a buffer that grows until the path fits: no length limit.
  std::vector<char> buffer(4096);
  while (::getcwd(buffer.data(), buffer.size()) == nullptr) {
    if (errno != ERANGE) return false;
    buffer.resize(buffer.size() * 2);
  }
  directory = buffer.data();
  return true;
}

std::string MakeAbsolutePath(const std::string& path, const std::string& currentDirectory) {
  if (path.empty() || path.front() == '/' || currentDirectory.empty()) return path;
  if (currentDirectory.back() == '/') return currentDirectory + path;
  return currentDirectory + '/' + path;
}

std::string MakeAbsolutePath(const std::string& path) {
  if (path.empty() || path.front() == '/') return path;
  std::string directory;
  if (!ReadCurrentDirectory(directory)) return path;
  return MakeAbsolutePath(path, directory);
}

}  // namespace platform
