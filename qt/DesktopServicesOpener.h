#pragma once
// The shell "open" of the window: the desktop's opener through Qt's desktop services. A web
// address is opened as it is, a path as a local file (made absolute against the current
// folder). A path whose bytes Qt's file names cannot carry goes to xdg-open directly instead.
#include "platform/ShellOpen.h"

void OpenWithDesktopServices(const platform::ShellOpenRequest& request);
