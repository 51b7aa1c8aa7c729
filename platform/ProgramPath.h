#pragma once
// The full path of the running program (GetModuleFileNameA for the program itself).
#include <string>

namespace platform {

// The executable's absolute path, or an empty string when the system cannot tell.
std::string ProgramPath();

}  // namespace platform
