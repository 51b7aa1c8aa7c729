#include "platform/ProgramPath.h"

#include <unistd.h>

#include <vector>

namespace platform {

std::string ProgramPath() {
  // readlink does not say when the buffer was too small except by filling it: grow until the
  // path fits with room to spare.
  std::vector<char> buffer(4096);
  for (;;) {
    ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (length < 0) return std::string();
    if (static_cast<std::size_t>(length) < buffer.size()) return std::string(buffer.data(), static_cast<std::size_t>(length));
    buffer.resize(buffer.size() * 2);
  }
}

}  // namespace platform
