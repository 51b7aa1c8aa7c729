#include "rtf/RtfTexts.h"

namespace {
const std::string kFont(kRtfFontName);
}  // namespace

const std::string kRtfHead =
    "{\\rtf1\\ansi\\ansicpg1252\\uc1\\deff0{\\fonttbl\n"
    "{\\f0\\fnil\\fcharset1\\fprq1 " + kFont + ";}\n"
    "{\\f1\\froman\\fcharset1\\fprq2 " + kFont + ";}\n"
    "{\\f5\\fnil\\fcharset1\\fprq2 " + kFont + ";}}\n"
    "{\\colortbl;\\red0\\green0\\blue0;\\red255\\green255\\blue255;\\red0\\green0\\blue255;}\n"
    "{\\stylesheet{\\s0\\nowidctlpar\\f0\\fs24 [Normal];}{\\*\\cs10\\additive Default Paragraph Font;}\n"
    "{\\s18\\widctlpar\\f1\\fs24\\b\\sbasedon0\n"
    ".CHORD;}{\\s43\\widctlpar\\f1\\fs22\\sbasedon0\n"
    ".LYRIC;}}\n"
    "{\\*\\generator TX_RTF32 16.0.534.501;}{\\info{\\title Song}}\n";
