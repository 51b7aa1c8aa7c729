#include "app/CMelvaneApp.h"

#include "app/CommandLineOptions.h"
#include "app/DialogRoad.h"
#include "app/RunHtmlBatch.h"
#include "app/RunRtfBatch.h"
#include "platform/AbsolutePath.h"
#include "platform/Console.h"
#include "platform/Messages.h"

namespace {

// "/usr/bin/melvane" -> "melvane", "./melvane.bin" -> "melvane"; empty when there is no name.
std::string ProgramNameFrom(const std::string& programPath) {
  std::string name = programPath.substr(programPath.find_last_of('/') + 1);
  const std::size_t dot = name.find_last_of('.');
  if (dot != std::string::npos && dot > 0) name.erase(dot);
  return name;
}

}  // namespace

CMelvaneApp::CMelvaneApp(int argc, char** argv) {
  if (argc > 0 && argv[0] != nullptr) programPath_ = argv[0];
  for (int i = 1; i < argc; ++i) arguments_.emplace_back(argv[i]);
}

bool CMelvaneApp::InitInstance() {
  platform::IgnoreBrokenPipe();
  const std::string name = ProgramNameFrom(programPath_);
  if (!name.empty()) platform::SetProgramName(name);

  for (const std::string& argument : arguments_) platform::WriteStdout(argument);
  const CommandLineOptions options = ReadCommandLine(arguments_);

  if (RunsBatch(options)) {
    exitStatus_ = options.rtf ? RunRtfBatch(options) : RunHtmlBatch(options);
    return true;
  }
  exitStatus_ = RunDialogRoad(platform::MakeAbsolutePath(options.pattern), programPath_.c_str());
  return false;
}
