// The command line reader over arbitrary arguments (the input split at NUL bytes). Properties:
// the pattern never keeps a leading or trailing double quote; a batch runs exactly when a batch
// option and a non-empty pattern were given; the lines of the first column come from two
// digits or keep their starting value.
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "app/CommandLineOptions.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> arguments;
  std::string current;
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == '\0') {
      arguments.push_back(current);
      current.clear();
    } else {
      current += static_cast<char>(data[i]);
    }
  }
  arguments.push_back(current);

  CommandLineOptions options = ReadCommandLine(arguments);
  const std::string& pattern = options.pattern;
  fuzzsupport::Require(pattern.empty() || (pattern.front() != '"' && pattern.back() != '"'),
                       "the pattern keeps no outer quote");
  fuzzsupport::Require(RunsBatch(options) == (options.batch && !pattern.empty()), "a batch needs an option and a pattern");
  fuzzsupport::Require((options.linesPerColumn >= 0 && options.linesPerColumn <= 99), "lines per column come from two digits");
  fuzzsupport::Require(!options.rtf || options.batch, "Word documents only in a batch");
  return 0;
}
