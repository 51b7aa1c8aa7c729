#include "html/HtmlTexts.h"

#include "songtext/MakerSite.h"

namespace {
const std::string kFontList(kHtmlFontList);
const std::string kMaker(kMakerHost);
}  // namespace

const std::string kHtmlHead =
    "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\n"
    "<html>\n"
    "<head><title>Song</title>\n"
    "<meta name='description' content='Song created by Melvane, written by Osmundar' />\n"
    "<meta NAME='OWNER' CONTENT='" + kMaker + "' />\n"
    "<meta NAME='AUTHOR' CONTENT='" + kMaker + "' />\n"
    "<style>\n";

const std::string kHtmlChordRuleStart = ".chord { font-family:" + kFontList + "; font-size:";
const std::string kHtmlLyricRuleStart = ".lyric { font-family:" + kFontList + "; font-size:";
const std::string kHtmlIndentedPreRuleStart =
    "pre { padding-left: 0.8cm; padding-top: 0.2cm; padding-bottom: 0.2cm; font-family:" + kFontList +
    "; font-size:";
const std::string kHtmlPlainPreRuleStart = "pre { font-family:" + kFontList + "; font-size:";
