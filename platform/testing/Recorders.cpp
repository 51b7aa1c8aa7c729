#include "platform/testing/Recorders.h"

#include <utility>

namespace platform::testing {

MessageRecorder::MessageRecorder()
    : previous_(SetMessageSink([this](const std::string& text) { messages_.push_back(text); })) {}

MessageRecorder::~MessageRecorder() { SetMessageSink(std::move(previous_)); }

ShellOpenRecorder::ShellOpenRecorder()
    : previous_(SetShellOpener([this](const ShellOpenRequest& request) { requests_.push_back(request); })) {}

ShellOpenRecorder::~ShellOpenRecorder() { SetShellOpener(std::move(previous_)); }

}  // namespace platform::testing
