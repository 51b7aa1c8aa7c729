#include "app/CommandLineOptions.h"

#include "platform/Numbers.h"

namespace {

bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }

// The number after the option letter, read as atoi reads it.
int NumberAfterLetter(const std::string& argument) {
  return platform::ReadLeadingInt(std::string_view(argument).substr(2));
}

void ReadOption(const std::string& argument, CommandLineOptions& options) {
  const char letter = argument.size() > 1 ? argument[1] : '\0';
  switch (letter) {
    case 'h':
    case 'i':
      options.batch = true;
      break;
    case 'r':
      options.rtf = true;
      options.batch = true;
      break;
    case 's':
      options.batch = true;
      options.lyricValue = NumberAfterLetter(argument);
      options.chordValue = options.lyricValue;
      break;
    case 'l':
      options.batch = true;
      options.lyricValue = NumberAfterLetter(argument);
      break;
    case 'm':
      options.batch = true;
      options.chordValue = NumberAfterLetter(argument);
      break;
    case 'c':
      options.batch = true;
      options.twoColumns = true;
      if (argument.size() > 3 && IsAsciiDigit(argument[2]) && IsAsciiDigit(argument[3])) {
        options.linesPerColumn = 10 * (argument[2] - '0') + (argument[3] - '0');
        options.automatic = false;
      }
      break;
    default:
      break;
  }
}

std::string WithoutOuterQuotes(const std::string& argument) {
  const std::size_t first = argument.find_first_not_of('"');
  if (first == std::string::npos) return std::string();
  const std::size_t last = argument.find_last_not_of('"');
  return argument.substr(first, last - first + 1);
}

}  // namespace

CommandLineOptions ReadCommandLine(const std::vector<std::string>& arguments) {
  CommandLineOptions options;
  for (const std::string& argument : arguments) {
    if (!argument.empty() && argument.front() == '-') {
      ReadOption(argument, options);
    } else {
      options.pattern = WithoutOuterQuotes(argument);
    }
  }
  return options;
}

bool RunsBatch(const CommandLineOptions& options) { return options.batch && !options.pattern.empty(); }
