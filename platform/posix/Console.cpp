#include "platform/Console.h"

#include <csignal>
#include <cstdio>

namespace platform {

void WriteStdout(std::string_view text) {
  std::fwrite(text.data(), 1, text.size(), stdout);
  std::fflush(stdout);
}

void WriteStdoutLine(std::string_view text) {
  std::fwrite(text.data(), 1, text.size(), stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}

void IgnoreBrokenPipe() { std::signal(SIGPIPE, SIG_IGN); }

}  // namespace platform
