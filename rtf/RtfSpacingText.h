#pragma once
// The space under a chord/lyric pair in twips, as the "\sa" value of a document's paragraph
// ends, from the line height the user typed ("1.5"): the leading number read as a float, times
// 200, less 160, each step rounded to single precision, printed with six decimals and cut
// before the point (the fraction is dropped, not rounded). 1.0 gives "40", 1.5 "140", 2.0
// "240", 0.5 "-60".
//
// A line height that does not begin with a number, or whose value is out of a float's range,
// counts as 1.0, a normal line: "40".
#include <string>
#include <string_view>

std::string RtfSpacingText(std::string_view lineHeight);
