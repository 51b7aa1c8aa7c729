#include "platform/Numbers.h"

#include <gtest/gtest.h>

#include <climits>
#include <limits>
#include <string>

namespace {

TEST(Numbers, ReadLeadingIntReadsLikeAtoiAndSaturates) {
  struct Case {
    std::string text;
    int value;
  };
  const Case cases[] = {
      {"12", 12},
      {"12pt", 12},
      {" -6", -6},
      {"\t\n+7", 7},
      {"007", 7},
      {"1 2", 1},
      {"", 0},
      {"abc", 0},
      {"- 5", 0},
      {"0x10", 0},
      {"2147483647", INT_MAX},
      {"2147483648", INT_MAX},
      {"99999999999999999999999", INT_MAX},
      {"-2147483648", INT_MIN},
      {"-2147483649", INT_MIN},
      {"-99999999999999999999999", INT_MIN},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(platform::ReadLeadingInt(c.text), c.value);
  }
}

TEST(Numbers, ReadLeadingFloatReadsAPlainDecimalOnly) {
  constexpr float kInfinity = std::numeric_limits<float>::infinity();
  struct Case {
    std::string text;
    bool read;
    float value;
  };
  const Case cases[] = {
      {"1.5", true, 1.5f},
      {"1.5em", true, 1.5f},
      {"3.0", true, 3.0f},
      {".5", true, 0.5f},
      {"5.", true, 5.0f},
      {"  -2.25", true, -2.25f},
      {"+1", true, 1.0f},
      {"1,5", true, 1.0f},          // no decimal comma, whatever the user's locale
      {"1e3", true, 1000.0f},
      {"1.5E-2x", true, 0.015f},
      {"2e", true, 2.0f},           // an 'e' without digits is not an exponent
      {"2e+", true, 2.0f},
      {"0x1p3", true, 0.0f},        // no hex: the 0 is the number
      {"1e400", true, kInfinity},   // too large: infinity, as the runtime gives
      {"-1e400", true, -kInfinity},
      {"1e-50", true, 0.0f},        // too small: zero
      {"0.0000000000000000000000000000000000000000000000000001", true, 0.0f},
      {"abc", false, 0.0f},
      {"", false, 0.0f},
      {".", false, 0.0f},
      {"-", false, 0.0f},
      {"-.e1", false, 0.0f},
      {"inf", false, 0.0f},
      {"nan", false, 0.0f},
      {"infinity", false, 0.0f},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    float value = 42.0f;
    EXPECT_EQ(platform::ReadLeadingFloat(c.text, value), c.read);
    EXPECT_EQ(value, c.read ? c.value : 42.0f);
  }
}

TEST(Numbers, FormatFixedSixPrintsAsPrintfDoes) {
  EXPECT_EQ(platform::FormatFixedSix(1.5), "1.500000");
  EXPECT_EQ(platform::FormatFixedSix(0.0), "0.000000");
  EXPECT_EQ(platform::FormatFixedSix(-2.25), "-2.250000");
  EXPECT_EQ(platform::FormatFixedSix(-0.0), "-0.000000");
  EXPECT_EQ(platform::FormatFixedSix(0.0000006), "0.000001");
  EXPECT_EQ(platform::FormatFixedSix(2.0000004), "2.000000");
  // A float promoted to double shows its binary value to six places.
  EXPECT_EQ(platform::FormatFixedSix(1.1f), "1.100000");
  EXPECT_EQ(platform::FormatFixedSix(std::numeric_limits<float>::max()),
            "340282346638528859811704183484516925440.000000");
  // The longest output of all: a sign, 309 digits, the point and six decimals.
  const std::string lowest = platform::FormatFixedSix(std::numeric_limits<double>::lowest());
  EXPECT_EQ(lowest.substr(0, 5), "-1797");
  EXPECT_EQ(lowest.size(), 1u + 309u + 7u);
}

}  // namespace
