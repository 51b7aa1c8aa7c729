// The dialog road of the console build, which has no window: one line on standard error that
// says so and how to run the batch instead, and exit status 2.
#include <cstdio>
#include <string>

#include "app/DialogRoad.h"
#include "platform/Messages.h"

int RunDialogRoad(const std::string&, const char*) {
  const std::string& name = platform::ProgramName();
  const std::string line = name + ": this build has no window; run the batch instead, for example " +
                           name + " -h 'songs/*.txt' (web pages) or " + name +
                           " -r 'songs/*.txt' (Word documents)\n";
  std::fflush(stdout);
  std::fputs(line.c_str(), stderr);
  return 2;
}
