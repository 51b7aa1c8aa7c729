#include "platform/Messages.h"

#include <cstdio>
#include <utility>

namespace platform {
namespace {

std::string& ProgramNameStorage() {
  static std::string name = "melvane";
  return name;
}

// Without a window: one line "<program name>: <text>" on standard error.
void WriteToStandardError(const std::string& text) {
  std::fflush(stdout);
  std::string line = ProgramNameStorage() + ": " + text + "\n";
  std::fwrite(line.data(), 1, line.size(), stderr);
  std::fflush(stderr);
}

MessageSink& Sink() {
  static MessageSink sink = WriteToStandardError;
  return sink;
}

}  // namespace

MessageSink SetMessageSink(MessageSink sink) {
  MessageSink previous = std::move(Sink());
  Sink() = sink ? std::move(sink) : MessageSink(WriteToStandardError);
  return previous;
}

void ShowMessage(const std::string& text) { Sink()(text); }

void SetProgramName(std::string name) { ProgramNameStorage() = std::move(name); }

const std::string& ProgramName() { return ProgramNameStorage(); }

std::string FormatText(std::string_view format, std::initializer_list<std::string_view> args) {
  std::string result;
  result.reserve(format.size() + 64);
  auto next = args.begin();
  for (std::size_t i = 0; i < format.size(); ++i) {
    if (format[i] == '%' && i + 1 < format.size()) {
      if (format[i + 1] == 's') {
        if (next != args.end()) result.append(*next++);
        ++i;
        continue;
      }
      if (format[i + 1] == '%') {
        result.push_back('%');
        ++i;
        continue;
      }
    }
    result.push_back(format[i]);
  }
  return result;
}

void ShowFormattedMessage(std::string_view format, std::initializer_list<std::string_view> args) {
  ShowMessage(FormatText(format, args));
}

}  // namespace platform
