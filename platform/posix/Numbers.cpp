// Number reading and printing in the manner of the C runtime's "C" locale. The standard
// library's from_chars/to_chars never consult a locale, so a user's decimal comma cannot leak
// into a song's sizes.
#include <charconv>
#include <climits>
#include <cstdint>
#include <limits>
#include <system_error>

#include "platform/Numbers.h"

namespace platform {
namespace {

// isspace in the "C" locale.
bool IsCSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t SkipSpace(std::string_view text, std::size_t i) {
  while (i < text.size() && IsCSpace(text[i])) ++i;
  return i;
}

// Adds a decimal digit to a magnitude that stops growing once it is past `limit`.
void AccumulateSaturating(std::int64_t& value, char digit, std::int64_t limit) {
  if (value <= limit) value = value * 10 + (digit - '0');
}

}  // namespace

int ReadLeadingInt(std::string_view text) {
  std::size_t i = SkipSpace(text, 0);
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  std::int64_t magnitude = 0;
  constexpr std::int64_t kPastInt = std::int64_t{INT_MAX} + 2;
  for (; i < text.size() && IsDigit(text[i]); ++i) AccumulateSaturating(magnitude, text[i], kPastInt);
  if (negative) return magnitude > -std::int64_t{INT_MIN} ? INT_MIN : static_cast<int>(-magnitude);
  return magnitude > INT_MAX ? INT_MAX : static_cast<int>(magnitude);
}

bool ReadLeadingFloat(std::string_view text, float& value) {
  std::size_t i = SkipSpace(text, 0);
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  const std::size_t start = i;

  // Where the first significant digit stands relative to the point: decides, when the value
  // does not fit a float, whether it was too large or too small.
  std::int64_t magnitude = 0;
  bool seenSignificant = false;
  std::size_t digits = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i, ++digits) {
    if (text[i] != '0') seenSignificant = true;
    if (seenSignificant) ++magnitude;
  }
  if (i < text.size() && text[i] == '.') {
    for (++i; i < text.size() && IsDigit(text[i]); ++i, ++digits) {
      if (seenSignificant) continue;
      if (text[i] != '0') seenSignificant = true;
      else --magnitude;
    }
  }
  if (digits == 0) return false;

  // An exponent counts only when at least one digit follows the 'e' and its sign.
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    bool negativeExponent = false;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) negativeExponent = text[j++] == '-';
    if (j < text.size() && IsDigit(text[j])) {
      std::int64_t exponent = 0;
      for (; j < text.size() && IsDigit(text[j]); ++j) AccumulateSaturating(exponent, text[j], 1'000'000);
      magnitude += negativeExponent ? -exponent : exponent;
      i = j;
    }
  }

  float parsed = 0.0f;
  const char* first = text.data() + start;
  const std::from_chars_result result = std::from_chars(first, text.data() + i, parsed);
  if (result.ec == std::errc::result_out_of_range) {
    // As strtof: too large gives infinity, too small gives zero.
    parsed = magnitude > 0 ? std::numeric_limits<float>::infinity() : 0.0f;
  } else if (result.ec != std::errc()) {
    return false;
  }
  value = negative ? -parsed : parsed;
  return true;
}

std::string FormatFixedSix(double value) {
  // The largest double has 309 integer digits; a sign, the point and six decimals fit too.
  char buffer[400];
  const std::to_chars_result result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 6);
  return std::string(buffer, result.ptr);
}

}  // namespace platform
