#pragma once
// ShellExecuteA with the verb "open": hands a file or a web address to the desktop's opener,
// detached, never through a shell. The application sets the opener (Qt's desktop services in
// the window, xdg-open otherwise); tests install a recorder.
#include <functional>
#include <string>

namespace platform {

struct ShellOpenRequest {
  std::string target;            // the path or address, exactly as the command built it
  std::string workingDirectory;  // the folder the Windows design passes along
};

using ShellOpener = std::function<void(const ShellOpenRequest& request)>;

// Replaces the opener; returns the previous one.
ShellOpener SetShellOpener(ShellOpener opener);

// Asks the opener to open the target. The result is never looked at by the callers.
void ShellOpen(const std::string& target, const std::string& workingDirectory);

// The default opener: xdg-open started detached with the target as its one argument.
void OpenWithDesktopOpener(const ShellOpenRequest& request);

}  // namespace platform
