// Character decoding and the letter test. Unicode's answer to "is this a letter" comes from
// glibc's classification tables, reached through a locale object of our own so that the
// process locale (which Qt sets from the user's environment) never matters.
#include <locale.h>
#include <wctype.h>

#include <array>

#include "platform/Letters.h"

namespace platform {
namespace {

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// The sequence length a lead byte announces, and the range its second byte must lie in so
// that the sequence is neither overlong, nor a surrogate, nor above U+10FFFF. 0: no lead byte.
struct LeadByte {
  std::size_t length;
  unsigned char secondMin;
  unsigned char secondMax;
};

LeadByte ClassifyLead(unsigned char byte) {
  if (byte >= 0xC2 && byte <= 0xDF) return {2, 0x80, 0xBF};
  if (byte == 0xE0) return {3, 0xA0, 0xBF};
  if (byte == 0xED) return {3, 0x80, 0x9F};
  if (byte >= 0xE1 && byte <= 0xEF) return {3, 0x80, 0xBF};
  if (byte == 0xF0) return {4, 0x90, 0xBF};
  if (byte >= 0xF1 && byte <= 0xF3) return {4, 0x80, 0xBF};
  if (byte == 0xF4) return {4, 0x80, 0x8F};
  return {0, 0, 0};
}

// Used only when no UTF-8 locale is installed: the letters of Latin-1 exactly, and above them
// everything outside the blocks of marks, punctuation and symbols that song text meets.
bool FallbackIsLetter(char32_t c) {
  if (c < 0x80) return (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z');
  if (c < 0x100) return c == 0xAA || c == 0xB5 || c == 0xBA || (c >= 0xC0 && c != 0xD7 && c != 0xF7);
  struct Range {
    char32_t first;
    char32_t last;
  };
  static constexpr std::array<Range, 10> kNotLetters = {{
      {0x0300, 0x036F},    // combining marks
      {0x2000, 0x2BFF},    // punctuation, symbols, arrows, maths, box drawing
      {0x3000, 0x303F},    // CJK punctuation
      {0xD800, 0xF8FF},    // surrogates and private use
      {0xFE00, 0xFE0F},    // variation selectors
      {0xFE30, 0xFE4F},    // CJK compatibility forms
      {0xFEFF, 0xFEFF},    // byte-order mark
      {0xFF00, 0xFF20},    // full-width punctuation and digits
      {0xFFF0, 0xFFFF},    // specials
      {0x1F000, 0x10FFFF}  // emoji, symbols, private use planes
  }};
  for (const Range& range : kNotLetters) {
    if (c >= range.first && c <= range.last) return false;
  }
  return true;
}

class UnicodeLocale {
 public:
  UnicodeLocale() {
    for (const char* name : {"C.UTF-8", "C.utf8", "en_US.UTF-8"}) {
      locale_ = newlocale(LC_CTYPE_MASK, name, static_cast<locale_t>(nullptr));
      if (locale_ != static_cast<locale_t>(nullptr)) break;
    }
  }
  ~UnicodeLocale() {
    if (locale_ != static_cast<locale_t>(nullptr)) freelocale(locale_);
  }
  UnicodeLocale(const UnicodeLocale&) = delete;
  UnicodeLocale& operator=(const UnicodeLocale&) = delete;

  locale_t Get() const { return locale_; }

 private:
  locale_t locale_ = static_cast<locale_t>(nullptr);
};

}  // namespace

DecodedChar DecodeCharAt(std::string_view text, std::size_t index) {
  const auto lead = static_cast<unsigned char>(text[index]);
  if (lead < 0x80) return {lead, 1};
  const LeadByte shape = ClassifyLead(lead);
  if (shape.length != 0 && index + shape.length <= text.size()) {
    const auto second = static_cast<unsigned char>(text[index + 1]);
    bool valid = second >= shape.secondMin && second <= shape.secondMax;
    for (std::size_t k = 2; valid && k < shape.length; ++k) {
      valid = IsContinuation(static_cast<unsigned char>(text[index + k]));
    }
    if (valid) {
      // The lead byte keeps 7 - length payload bits; each continuation adds six.
      char32_t codePoint = lead & (0x7Fu >> shape.length);
      for (std::size_t k = 1; k < shape.length; ++k) {
        codePoint = (codePoint << 6) | (static_cast<unsigned char>(text[index + k]) & 0x3Fu);
      }
      return {codePoint, shape.length};
    }
  }
  return {Windows1252ToUnicode(lead), 1};
}

char32_t Windows1252ToUnicode(unsigned char byte) {
  // 0x80..0x9F; the five positions the code page leaves undefined map to themselves.
  static constexpr std::array<char32_t, 32> kHighControls = {
      0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  //
      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  //
      0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  //
      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
  if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80];
  return byte;
}

bool IsLetter(char32_t codePoint) {
  if (codePoint < 0x80) {
    return (codePoint >= U'A' && codePoint <= U'Z') || (codePoint >= U'a' && codePoint <= U'z');
  }
  static const UnicodeLocale unicode;
  if (unicode.Get() == static_cast<locale_t>(nullptr)) return FallbackIsLetter(codePoint);
  return iswalpha_l(static_cast<wint_t>(codePoint), unicode.Get()) != 0;
}

}  // namespace platform
