#include "rtf/RtfSpacingText.h"

#include <cmath>

#include "platform/Numbers.h"

namespace {
constexpr float kNormalLineHeight = 1.0f;
}  // namespace

std::string RtfSpacingText(std::string_view lineHeight) {
  float height = kNormalLineHeight;
  if (!platform::ReadLeadingFloat(lineHeight, height)) height = kNormalLineHeight;
  // Each step is rounded to single precision: the printed value depends on it (1.3 gives
  // 259.99999 in double precision and so "99", but 260 in single precision and "100").
  float product = height * 200.0f;
  float difference = product - 160.0f;
  if (!std::isfinite(difference)) difference = kNormalLineHeight * 200.0f - 160.0f;
  std::string text = platform::FormatFixedSix(difference);
  std::string::size_type point = text.rfind('.');
  if (point != std::string::npos) text.resize(point);
  return text;
}
