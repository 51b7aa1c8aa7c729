#pragma once
// The style rules of a song page that depend on the request: fills `context.bodyFontSize` with
// the lyric size (the size of the pre rule) and `context.styleText` with the .chord and .lyric
// rules. The chord rule's tail follows `context.boldChords` and `context.lineSpacing`, which
// the caller sets first; a spaced tail carries `settings.lineHeight` as typed (escaped like
// song text, so a typed value can never close the style element or add markup).
#include "songtext/FormatSettings.h"
#include "songtext/SongContext.h"

void BuildHtmlStyles(SongContext& context, const FormatSettings& settings);
