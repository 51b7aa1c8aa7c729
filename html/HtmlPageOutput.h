#pragma once
// The text of a page on its way to the file: markup as it is, song text escaped (EscapeHtml.h),
// gathered into large writes (BufferedOutput.h).
#include <string_view>

#include "html/EscapeHtml.h"
#include "songtext/BufferedOutput.h"

class HtmlPageOutput : public BufferedOutput {
 public:
  using BufferedOutput::BufferedOutput;

  void Markup(std::string_view markup) { Append(markup); }
  void SongText(std::string_view text) { AppendEncoded(text, AppendEscapedHtmlChar); }
};
