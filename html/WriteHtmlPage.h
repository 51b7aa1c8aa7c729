#pragma once
// The web page writer: one song text file becomes base + ".html" beside it, through
// base + ".html.tmp" and a backup base + ".html.bak".
#include "songtext/FormatSettings.h"
#include "songtext/SongContext.h"

int WriteHtmlPage(SongContext& context, FormatSettings& settings);
