#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "platform/ShellOpen.h"

extern char** environ;

namespace platform {

// xdg-open is started in a grandchild so it is fully detached: we reap the short-lived
// child at once and never leave a zombie, and the opener outlives nothing of ours. The
// target is one argv element, never seen by a shell.
void OpenWithDesktopOpener(const ShellOpenRequest& request) {
  pid_t child = fork();
  if (child < 0) return;
  if (child == 0) {
    setsid();
    if (!request.workingDirectory.empty()) {
      if (chdir(request.workingDirectory.c_str()) != 0) {
        // The folder is only a courtesy; open from wherever we are.
      }
    }
    std::string target = request.target;
    char program[] = "xdg-open";
    char* argv[] = {program, target.data(), nullptr};
    pid_t opener = 0;
    int failed = posix_spawnp(&opener, "xdg-open", nullptr, nullptr, argv, environ);
    _exit(failed == 0 ? 0 : 1);
  }
  int status = 0;
  while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
}

}  // namespace platform
