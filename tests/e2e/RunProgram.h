#pragma once
// Runs a program the way a shell would, with the arguments passed as they are (no shell in
// between), in a chosen folder, and collects what it wrote.
#include <filesystem>
#include <string>
#include <vector>

namespace e2e {

struct ProgramRun {
  int exitStatus = -1;  // -1 when the program did not exit normally (a signal ended it)
  std::string standardOutput;
  std::string standardError;
};

enum class Output {
  Captured,    // standard output goes to a file that the run returns
  ClosedPipe,  // standard output is a pipe whose reading end is already closed
};

// Starts `program` with `arguments` (after argv[0], which is the program's path) in
// `workingDirectory` and waits for it. SIGPIPE is back at its default in the program, and it
// gets no display: DISPLAY and WAYLAND_DISPLAY are removed and QT_QPA_PLATFORM is "xcb", so a
// program that started Qt would fail instead of opening a window.
ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& arguments,
                      const std::filesystem::path& workingDirectory, Output output = Output::Captured);

}  // namespace e2e
