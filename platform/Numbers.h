#pragma once
// Number reading and printing as the C runtime does it in the "C" locale, whatever the
// user's locale says.
#include <string>
#include <string_view>

namespace platform {

// atoi: optional leading white space, an optional sign, then decimal digits up to the first
// other character; no digits give 0. Out-of-range values saturate instead of wrapping.
int ReadLeadingInt(std::string_view text);

// "%f" scanning into a float: optional white space, an optional sign, then a plain decimal
// (digits, an optional '.', digits, an optional exponent); the rest is ignored. No inf, nan
// or hex. Returns false, leaving `value` alone, when the text does not begin with a number.
bool ReadLeadingFloat(std::string_view text, float& value);

// printf("%f") of a float promoted to double: six decimals, '.' as the point.
std::string FormatFixedSix(double value);

}  // namespace platform
