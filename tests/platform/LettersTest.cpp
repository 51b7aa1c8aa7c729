#include "platform/Letters.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "TestFiles.h"

namespace {

TEST(Letters, DecodesValidUtf8AndReadsEveryInvalidByteAsWindows1252) {
  struct Case {
    std::string text;
    std::size_t index;
    char32_t codePoint;
    std::size_t length;
  };
  const Case cases[] = {
      {"A", 0, U'A', 1},
      {"x\xC3\xA9y", 1, 0xE9, 2},                // é
      {"\xE2\x80\x93", 0, 0x2013, 3},            // en dash
      {"\xEF\xBB\xBF", 0, 0xFEFF, 3},            // byte-order mark
      {"\xED\x9F\xBF", 0, 0xD7FF, 3},            // last before the surrogates
      {"\xF0\x9F\x98\x80", 0, 0x1F600, 4},
      {"\xF4\x8F\xBF\xBF", 0, 0x10FFFF, 4},      // highest code point
      {"\xE9", 0, 0xE9, 1},                      // é in Windows-1252
      {"\x96", 0, 0x2013, 1},                    // en dash in Windows-1252
      {"\x80", 0, 0x20AC, 1},                    // lone continuation byte: euro sign
      {"\x81", 0, 0x81, 1},                      // undefined in Windows-1252
      {"\xC0\x80", 0, 0xC0, 1},                  // overlong NUL
      {"\xC1\xBF", 0, 0xC1, 1},                  // overlong
      {"\xE0\x9F\xBF", 0, 0xE0, 1},              // overlong three-byte form
      {"\xF0\x8F\xBF\xBF", 0, 0xF0, 1},          // overlong four-byte form
      {"\xED\xA0\x80", 0, 0xED, 1},              // surrogate
      {"\xF4\x90\x80\x80", 0, 0xF4, 1},          // above U+10FFFF
      {"\xF5\x80\x80\x80", 0, 0xF5, 1},
      {"\xE2\x80", 0, 0xE2, 1},                  // cut short by the end of the text
      {"\xE2\x80\x41", 0, 0xE2, 1},              // third byte is no continuation
      {"\xC3\xA9\xFF", 2, 0xFF, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testsupport::Visible(c.text) + " at " + std::to_string(c.index));
    const platform::DecodedChar decoded = platform::DecodeCharAt(c.text, c.index);
    EXPECT_EQ(decoded.codePoint, c.codePoint);
    EXPECT_EQ(decoded.length, c.length);
  }
}

TEST(Letters, MapsWindows1252HighBytes) {
  EXPECT_EQ(platform::Windows1252ToUnicode(0x41), U'A');
  EXPECT_EQ(platform::Windows1252ToUnicode(0x80), 0x20ACu);
  EXPECT_EQ(platform::Windows1252ToUnicode(0x8A), 0x0160u);  // Š
  EXPECT_EQ(platform::Windows1252ToUnicode(0x96), 0x2013u);
  EXPECT_EQ(platform::Windows1252ToUnicode(0x9F), 0x0178u);  // Ÿ
  EXPECT_EQ(platform::Windows1252ToUnicode(0x8D), 0x8Du);    // undefined
  EXPECT_EQ(platform::Windows1252ToUnicode(0xA0), 0xA0u);
  EXPECT_EQ(platform::Windows1252ToUnicode(0xE9), 0xE9u);
}

TEST(Letters, AnswersUnicodeWhateverTheProcessLocale) {
  // The process stays in the "C" locale, where the runtime's own iswalpha knows no é.
  ASSERT_STREQ(std::setlocale(LC_CTYPE, nullptr), "C");
  const char32_t letters[] = {U'A', U'z', 0xE9, 0x0160, 0x03B1, 0x0416, 0x4E2D, 0xAA};
  const char32_t others[] = {U'1', U'#', U' ', U'_', 0xD7, 0xA0, 0x2013, 0x20AC, 0xFEFF, 0x0301, 0x1F600, 0x110000};
  for (char32_t c : letters) {
    SCOPED_TRACE(static_cast<unsigned>(c));
    EXPECT_TRUE(platform::IsLetter(c));
  }
  for (char32_t c : others) {
    SCOPED_TRACE(static_cast<unsigned>(c));
    EXPECT_FALSE(platform::IsLetter(c));
  }
  EXPECT_STREQ(std::setlocale(LC_CTYPE, nullptr), "C");
}

}  // namespace
