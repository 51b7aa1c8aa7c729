#include "FuzzSupport.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "platform/Messages.h"

namespace fuzzsupport {

const std::string& WorkFolder() {
  static const std::string folder = [] {
    std::string pattern = "/tmp/melvane-fuzz-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) std::abort();
    return pattern;
  }();
  return folder;
}

std::string WriteInput(const std::string& name, std::string_view bytes) {
  std::string path = WorkFolder() + "/" + name;
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return path;
}

std::string ReadBack(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void Require(bool holds, const char* property) {
  if (holds) return;
  std::fprintf(stderr, "property violated: %s\n", property);
  std::abort();
}

void SilenceUserMessages() {
  platform::SetMessageSink([](const std::string&) {});
  static bool redirected = [] { return std::freopen("/dev/null", "w", stdout) != nullptr; }();
  (void)redirected;
}

}  // namespace fuzzsupport
