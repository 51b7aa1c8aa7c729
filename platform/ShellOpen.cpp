#include "platform/ShellOpen.h"

#include <utility>

namespace platform {
namespace {

ShellOpener& Opener() {
  static ShellOpener opener = OpenWithDesktopOpener;
  return opener;
}

}  // namespace

ShellOpener SetShellOpener(ShellOpener opener) {
  ShellOpener previous = std::move(Opener());
  Opener() = opener ? std::move(opener) : ShellOpener(OpenWithDesktopOpener);
  return previous;
}

void ShellOpen(const std::string& target, const std::string& workingDirectory) {
  Opener()(ShellOpenRequest{target, workingDirectory});
}

}  // namespace platform
