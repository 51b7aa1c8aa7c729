// IsChordLine over arbitrary bytes: never reads outside the line, and a line starting with
// '!' is never a chord line.
#include <string_view>

#include "FuzzSupport.h"
#include "songtext/ChordLine.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view line(reinterpret_cast<const char*>(data), size);
  bool chord = IsChordLine(line);
  if (!line.empty() && line[0] == '!') fuzzsupport::Require(!chord, "a '!' line is never a chord line");
  for (std::size_t i = 0; i < line.size(); ++i) {
    int length = ScanChordElement(line, i);
    fuzzsupport::Require(length == -1 || (length >= 1 && length <= 3 && i + static_cast<std::size_t>(length) <= size),
                         "a chord element lies inside the line");
  }
  return 0;
}
