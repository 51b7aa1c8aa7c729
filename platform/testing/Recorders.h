#pragma once
// Test stand-ins for the user-facing services: they record every message box and every
// desktop "open" request for the lifetime of the object, and restore the previous service
// afterwards.
#include <string>
#include <vector>

#include "platform/Messages.h"
#include "platform/ShellOpen.h"

namespace platform::testing {

class MessageRecorder {
 public:
  MessageRecorder();
  ~MessageRecorder();
  MessageRecorder(const MessageRecorder&) = delete;
  MessageRecorder& operator=(const MessageRecorder&) = delete;

  const std::vector<std::string>& Messages() const { return messages_; }
  void Clear() { messages_.clear(); }

 private:
  std::vector<std::string> messages_;
  MessageSink previous_;
};

class ShellOpenRecorder {
 public:
  ShellOpenRecorder();
  ~ShellOpenRecorder();
  ShellOpenRecorder(const ShellOpenRecorder&) = delete;
  ShellOpenRecorder& operator=(const ShellOpenRecorder&) = delete;

  const std::vector<ShellOpenRequest>& Requests() const { return requests_; }

 private:
  std::vector<ShellOpenRequest> requests_;
  ShellOpener previous_;
};

}  // namespace platform::testing
