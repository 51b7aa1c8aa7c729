#pragma once
// The constant texts a song page is assembled from, made once at program start. Every line end
// in them is a single line feed; the runs of blanks before some closing braces are part of the
// page's fixed shape, which the composite page relies on.
#include <string>
#include <string_view>

// The one font list of the chord, lyric and pre rules.
inline constexpr std::string_view kHtmlFontList = "Lucida Console, Courier";

// The seven head lines, through "<style>\n".
extern const std::string kHtmlHead;

// .chord rule: start, then the chord size, then one of the four tails. The spaced tails hold
// one "%s" for the line height.
extern const std::string kHtmlChordRuleStart;
inline constexpr std::string_view kHtmlChordTailPlain = "pt;   }\n";
inline constexpr std::string_view kHtmlChordTailBold = "pt; font-weight: bold;  }\n";
inline constexpr std::string_view kHtmlChordTailSpaced = "pt; line-height:%s; vertical-align:sub;  }\n";
inline constexpr std::string_view kHtmlChordTailBoldSpaced =
    "pt; font-weight: bold; line-height:%s; vertical-align:sub; }\n";

// .lyric rule: start, the lyric size, end.
extern const std::string kHtmlLyricRuleStart;
inline constexpr std::string_view kHtmlLyricRuleEnd = "pt; }\n";

// pre rule: one of the two starts, the body size, end.
extern const std::string kHtmlIndentedPreRuleStart;
extern const std::string kHtmlPlainPreRuleStart;
inline constexpr std::string_view kHtmlPreRuleEnd = "pt }\n";

// The table rules, ending in the open .thinline rule that takes the line height, and the
// style end that closes it and opens the body.
inline constexpr std::string_view kHtmlTableRules =
    "table { width: 100%; page-break-after:always; border-collapse: collapse;  }\n"
    "td { width: 50%; vertical-align:top; padding-right: 5px; }\n"
    ".lborder { border-left: solid 1px black; padding-left: 5px; }\n"
    ".thinline { line-height:";
inline constexpr std::string_view kHtmlStyleEnd = " }\n</style>\n</head>\n<body>\n";

inline constexpr std::string_view kHtmlTableOpen = "<table>\n<tr><td>\n";
inline constexpr std::string_view kHtmlPreOpen = "<pre>\n";
inline constexpr std::string_view kHtmlColumnBreak = "</pre>\n</td>\n<td class='lborder'>\n<pre>\n";
inline constexpr std::string_view kHtmlPreClose = "</pre>\n";
inline constexpr std::string_view kHtmlTableClose = "</td></tr>\n</table>\n";
// The last bytes of every page: no line feed after them.
inline constexpr std::string_view kHtmlPageEnd = "</body>\n</html>";

inline constexpr std::string_view kHtmlChordSpanOpen = "<span class='chord'>";
inline constexpr std::string_view kHtmlChordSpanClose = "</span>";
