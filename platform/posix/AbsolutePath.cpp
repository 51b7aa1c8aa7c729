#include "platform/AbsolutePath.h"

#include <unistd.h>

#include <cerrno>
#include <vector>

namespace platform {

std::string MakeAbsolutePath(const std::string& path) {
  if (path.empty() || path.front() == '/') return path;
  // getcwd has no length limit of its own here: grow the buffer until the folder fits.
  std::vector<char> buffer(4096);
  while (getcwd(buffer.data(), buffer.size()) == nullptr) {
    if (errno != ERANGE) return path;
    buffer.resize(buffer.size() * 2);
  }
  std::string folder(buffer.data());
  if (folder.empty() || folder.back() != '/') folder.push_back('/');
  return folder + path;
}

}  // namespace platform
