#include "platform/AbsolutePath.h"

#include <unistd.h>

#include <cerrno>
#include <vector>

namespace platform {
namespace {

// getcwd with a buffer that grows until the path fits: no length limit.
bool ReadCurrentDirectory(std::string& directory) {
  std::vector<char> buffer(4096);
  while (::getcwd(buffer.data(), buffer.size()) == nullptr) {
    if (errno != ERANGE) return false;
    buffer.resize(buffer.size() * 2);
  }
  directory = buffer.data();
  return true;
}

}  // namespace

std::string MakeAbsolutePath(const std::string& path) {
  if (path.empty() || path.front() == '/') return path;
  std::string directory;
  if (!ReadCurrentDirectory(directory)) return path;
  if (directory.back() != '/') directory.push_back('/');
  return directory + path;
}

}  // namespace platform
