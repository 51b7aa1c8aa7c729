#include "rtf/EscapeRtf.h"

#include <cstdint>

#include "platform/Letters.h"
#include "rtf/RtfTexts.h"

namespace {

constexpr char32_t kReplacementCharacter = 0xFFFD;

void AppendUnicodeUnit(std::string& out, std::uint16_t unit) {
  out += "\\u";
  out += std::to_string(static_cast<std::int16_t>(unit));
  out += '?';
}

void AppendUnicodeChar(std::string& out, char32_t codePoint) {
  bool carried = codePoint > 0x9F && codePoint <= 0x10FFFF && (codePoint < 0xD800 || codePoint > 0xDFFF);
  if (!carried) codePoint = kReplacementCharacter;
  if (codePoint > 0xFFFF) {
    char32_t offset = codePoint - 0x10000;
    AppendUnicodeUnit(out, static_cast<std::uint16_t>(0xD800 + (offset >> 10)));
    AppendUnicodeUnit(out, static_cast<std::uint16_t>(0xDC00 + (offset & 0x3FF)));
  } else {
    AppendUnicodeUnit(out, static_cast<std::uint16_t>(codePoint));
  }
}

}  // namespace

std::size_t AppendEscapedRtfChar(std::string& out, std::string_view text, std::size_t index) {
  char byte = text[index];
  switch (byte) {
    case '\\':
    case '{':
    case '}':
      out += '\\';
      out += byte;
      return 1;
    case ' ':
      out += kRtfNonBreakingSpace;
      return 1;
    case '\0':
      // RTF has no way to carry a NUL, and a reader may take it for the end of the text.
      AppendUnicodeChar(out, kReplacementCharacter);
      return 1;
    default:
      break;
  }
  if (static_cast<unsigned char>(byte) < 0x80) {
    out += byte;
    return 1;
  }
  platform::DecodedChar decoded = platform::DecodeCharAt(text, index);
  AppendUnicodeChar(out, decoded.codePoint);
  return decoded.length;
}

void AppendEscapedRtf(std::string& out, std::string_view text) {
  for (std::size_t index = 0; index < text.size();) index += AppendEscapedRtfChar(out, text, index);
}
