#pragma once
// Character decoding and the letter test (IsCharAlphaA). Song text is UTF-8; a byte that does
// not start a valid UTF-8 sequence is read as Windows-1252, one byte long.
#include <cstddef>
#include <string_view>

namespace platform {

struct DecodedChar {
  char32_t codePoint = 0;
  std::size_t length = 1;  // bytes used, at least 1
};

// Decodes the character that starts at `index` (index < text.size()).
DecodedChar DecodeCharAt(std::string_view text, std::size_t index);

// Windows-1252 byte to its Unicode code point (0x80..0x9F through the code page's table,
// undefined positions map to themselves).
char32_t Windows1252ToUnicode(unsigned char byte);

// True when Unicode calls the character alphabetic (iswalpha in a C.UTF-8 locale object,
// never the process locale).
bool IsLetter(char32_t codePoint);

}  // namespace platform
