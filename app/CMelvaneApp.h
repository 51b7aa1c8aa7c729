#pragma once
// The application: program start, then the command-line batch or the dialog road.
#include <string>
#include <vector>

class CMelvaneApp {
 public:
  // Keeps the arguments as the shell gave them; argv[0] is the program's own path.
  CMelvaneApp(int argc, char** argv);

  // Ignores SIGPIPE (a closed pipe must not stop a batch half-way through replacing a
  // document), names the program after argv[0]'s file name without extension, echoes every
  // argument to standard output with no separator and no line end, and reads the command line.
  // With a batch option and a pattern it runs the Word document or web page batch and returns
  // true. Otherwise it runs the dialog road with the pattern, made absolute when relative, as
  // the selected song (empty when none was named) and returns false.
  bool InitInstance();

  // The process's exit status after InitInstance: the batch's (0, or 1 when any writer
  // failed) or the dialog road's.
  int ExitStatus() const { return exitStatus_; }

 private:
  std::string programPath_;
  std::vector<std::string> arguments_;  // after the program's own
  int exitStatus_ = 0;
};
