#pragma once
// The constant texts a song's Word document is assembled from, made once at program start.
// Every line end in them is a single line feed. The composite document copies lines out of
// song documents and tells the head from the body by their first characters, so the line
// structure is fixed, not only what a word processor shows: every head line begins with '{'
// or '.', every page set-up line with a backslash.
#include <string>
#include <string_view>

// The one font of the document, named in each entry of the font table.
inline constexpr std::string_view kRtfFontName = "Lucida Console";

// The ten head lines: font table, colour table, style sheet, generator and title.
extern const std::string kRtfHead;

// Portrait Letter page, one column: the start (a whole line and the beginning of the next),
// then the section's left margin, then the end. The document's own left margin stays 1080
// twips; only the section's changes.
inline constexpr std::string_view kRtfPortraitSetupStart =
    "\\deftab1134\\paperw12240\\paperh15840\\margl1080\\margt720\\margr720\\margb720\\widowctrl"
    "\\formshade\\sectd\n"
    "\\headery720\\footery720\\pgwsxn12240\\pghsxn15840\\marglsxn";
inline constexpr std::string_view kRtfIndentedLeftMargin = "1080";
inline constexpr std::string_view kRtfPlainLeftMargin = "100";
inline constexpr std::string_view kRtfPortraitSetupEnd =
    "\\margtsxn720\\margrsxn720\\margbsxn720\\pard\\s17\\itap0\\nowidctlpar\\plain\\f0\\";

// Landscape Letter page, two columns, one line.
inline constexpr std::string_view kRtfLandscapeSetup =
    "\\deftab1134\\paperw15840\\paperh12240\\margl200\\margt50\\margr50\\margb50\\widowctrl"
    "\\formshade\\sectd\\headery50\\footery50\\pgwsxn15840\\pghsxn12240\\marglsxn200\\margtsxn50"
    "\\margrsxn50\\margbsxn50\\pard\\s17\\itap0\\nowidctlpar\\plain\\f0\\cols2\\";

// Completes the control word left open by the set-up's last backslash: "fs", the size in
// half-points, a space; the line feed after it and the empty line that ends the head.
inline constexpr std::string_view kRtfFontSizeWord = "fs";
inline constexpr std::string_view kRtfHeadEnd = " \n\n";

// Line ends of the body, and the one forced column break.
inline constexpr std::string_view kRtfLineBreak = "\\line\n";
inline constexpr std::string_view kRtfParagraphSpaceAfter = "\\par \\sa";
inline constexpr std::string_view kRtfColumnBreak = "\\column\n";
inline constexpr std::string_view kRtfNonBreakingSpace = "\\~";

// The last byte of every document: no line feed after it.
inline constexpr std::string_view kRtfDocumentEnd = "}";
