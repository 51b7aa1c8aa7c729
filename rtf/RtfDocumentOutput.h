#pragma once
// The text of a Word document on its way to the file: markup as it is, song text escaped
// (EscapeRtf.h), gathered into large writes (BufferedOutput.h).
#include <string_view>

#include "rtf/EscapeRtf.h"
#include "songtext/BufferedOutput.h"

class RtfDocumentOutput : public BufferedOutput {
 public:
  using BufferedOutput::BufferedOutput;

  void Markup(std::string_view markup) { Append(markup); }
  void SongText(std::string_view text) { AppendEncoded(text, AppendEscapedRtfChar); }
};
