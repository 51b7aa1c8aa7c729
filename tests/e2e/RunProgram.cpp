#include "RunProgram.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstring>

#include "TestFiles.h"

extern char** environ;

namespace e2e {
namespace {

std::vector<std::string> ChildEnvironment() {
  std::vector<std::string> variables;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    const std::string variable = *entry;
    const std::string name = variable.substr(0, variable.find('='));
    if (name == "DISPLAY" || name == "WAYLAND_DISPLAY" || name == "QT_QPA_PLATFORM") continue;
    variables.push_back(variable);
  }
  variables.push_back("QT_QPA_PLATFORM=xcb");
  return variables;
}

std::vector<char*> Pointers(std::vector<std::string>& texts) {
  std::vector<char*> pointers;
  for (std::string& text : texts) pointers.push_back(text.data());
  pointers.push_back(nullptr);
  return pointers;
}

}  // namespace

ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& arguments,
                      const std::filesystem::path& workingDirectory, Output output) {
  // The captured output lives outside the working folder, where no pattern can match it.
  testsupport::TempFolder captures;
  const std::string outPath = captures / "stdout";
  const std::string errPath = captures / "stderr";

  std::vector<std::string> argv{program};
  argv.insert(argv.end(), arguments.begin(), arguments.end());
  std::vector<char*> argvPointers = Pointers(argv);
  std::vector<std::string> environment = ChildEnvironment();
  std::vector<char*> environmentPointers = Pointers(environment);
  const std::string directory = workingDirectory.string();

  // A pipe whose reading end is closed before the program starts: every write to it fails.
  int closedPipe[2] = {-1, -1};
  if (output == Output::ClosedPipe) {
    if (::pipe(closedPipe) != 0) return {};
    ::close(closedPipe[0]);
  }

  const pid_t child = ::fork();
  if (child == 0) {
    std::signal(SIGPIPE, SIG_DFL);
    int out = output == Output::ClosedPipe ? closedPipe[1]
                                           : ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (out < 0 || err < 0 || ::dup2(out, 1) < 0 || ::dup2(err, 2) < 0 || ::chdir(directory.c_str()) != 0)
      _exit(126);
    ::execve(program.c_str(), argvPointers.data(), environmentPointers.data());
    _exit(127);
  }
  if (closedPipe[1] >= 0) ::close(closedPipe[1]);
  ProgramRun run;
  int status = 0;
  if (child < 0 || ::waitpid(child, &status, 0) != child) return run;
  run.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  if (testsupport::FileExists(outPath)) run.standardOutput = testsupport::ReadFileBytes(outPath);
  if (testsupport::FileExists(errPath)) run.standardError = testsupport::ReadFileBytes(errPath);
  return run;
}

}  // namespace e2e
