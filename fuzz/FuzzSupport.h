#pragma once
// Helpers shared by the fuzz targets: inputs as files, and a property check that stops the
// run with a message libFuzzer keeps beside the crashing input.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace fuzzsupport {

// A folder of its own for this process under /tmp (made once, reused by every input).
const std::string& WorkFolder();

// Writes the bytes to WorkFolder()/name and returns the path.
std::string WriteInput(const std::string& name, std::string_view bytes);
std::string ReadBack(const std::string& path);

// Aborts with the message when the property does not hold.
void Require(bool holds, const char* property);

// Messages and diagnostics are not the subject of fuzzing: silence them.
void SilenceUserMessages();

}  // namespace fuzzsupport
