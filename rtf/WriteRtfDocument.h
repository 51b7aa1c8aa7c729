#pragma once
// The Word document writer: one song text file becomes base + ".rtf" beside it, through
// base + ".rtf.tmp" and a backup base + ".rtf.bak".
#include "songtext/FormatSettings.h"

int WriteRtfDocument(const FormatSettings& settings);
