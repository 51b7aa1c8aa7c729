#include "html/EscapeHtml.h"

#include "platform/Letters.h"

namespace {
constexpr std::string_view kReplacementCharacter = "&#65533;";
}  // namespace

std::size_t AppendEscapedHtmlChar(std::string& out, std::string_view text, std::size_t index) {
  unsigned char byte = static_cast<unsigned char>(text[index]);
  if (byte < 0x80) {
    switch (byte) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '\0':
        out += kReplacementCharacter;
        break;
      default:
        out += static_cast<char>(byte);
    }
    return 1;
  }
  platform::DecodedChar decoded = platform::DecodeCharAt(text, index);
  if (decoded.codePoint >= 0x80 && decoded.codePoint <= 0x9F) {
    out += kReplacementCharacter;
  } else {
    out += "&#";
    out += std::to_string(static_cast<unsigned long>(decoded.codePoint));
    out += ';';
  }
  return decoded.length;
}

void AppendEscapedHtml(std::string& out, std::string_view text) {
  for (std::size_t index = 0; index < text.size();) index += AppendEscapedHtmlChar(out, text, index);
}
