#pragma once
// The dialog road of the program start: the Qt window in the full build, a one-line refusal
// in the console build. Chosen at link time (see the top-level CMakeLists.txt).
#include <string>

// Runs the main dialog modally with `songPath` selected and returns the exit status.
int RunDialogRoad(const std::string& songPath, const char* programPath);
