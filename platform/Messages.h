#pragma once
// The message box of the Windows design (AfxMessageBox with one OK button). The application
// sets the sink: in the window a modal warning box, without a window one line
// "<program name>: <text>" on standard error. Tests install a recorder (platform/testing).
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

namespace platform {

using MessageSink = std::function<void(const std::string& text)>;

// Replaces the sink; returns the previous one so a scope can restore it.
MessageSink SetMessageSink(MessageSink sink);

// Shows one message and returns when the user has dismissed it.
void ShowMessage(const std::string& text);

// The name the program shows in captions and in front of console messages ("melvane").
void SetProgramName(std::string name);
const std::string& ProgramName();

// printf-style "%s" substitution with byte strings, in order; "%%" gives "%". Arguments are
// never read as formats, so a path holding '%' is shown as it is.
std::string FormatText(std::string_view format, std::initializer_list<std::string_view> args);

// Shows FormatText(format, args).
void ShowFormattedMessage(std::string_view format, std::initializer_list<std::string_view> args);

}  // namespace platform
