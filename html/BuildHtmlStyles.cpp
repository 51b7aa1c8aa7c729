#include "html/BuildHtmlStyles.h"

#include <string>
#include <string_view>

#include "html/EscapeHtml.h"
#include "html/HtmlTexts.h"
#include "platform/Messages.h"

void BuildHtmlStyles(SongContext& context, const FormatSettings& settings) {
  context.bodyFontSize = settings.lyricSize;

  std::string tail;
  if (context.lineSpacing) {
    std::string lineHeight;
    AppendEscapedHtml(lineHeight, settings.lineHeight);
    tail = platform::FormatText(context.boldChords ? kHtmlChordTailBoldSpaced : kHtmlChordTailSpaced,
                                {lineHeight});
  } else {
    tail = context.boldChords ? kHtmlChordTailBold : kHtmlChordTailPlain;
  }

  context.styleText = kHtmlChordRuleStart + std::to_string(settings.chordSize) + tail + kHtmlLyricRuleStart +
                      std::to_string(settings.lyricSize) + std::string(kHtmlLyricRuleEnd);
}
