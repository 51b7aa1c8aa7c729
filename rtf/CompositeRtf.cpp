#include "rtf/CompositeRtf.h"

#include "platform/File.h"
#include "songtext/AssembleComposite.h"

namespace {

bool IsHeadLine(const std::string& line) {
  return !line.empty() && (line[0] == '\\' || line[0] == '{' || line[0] == '.');
}

}  // namespace

AppendOutcome AppendSongRtf(const std::string& documentPath, bool suppliesHead, TextModeWriter& composite) {
  TextModeReader document;
  if (document.Open(documentPath) != 0) {
    return platform::PathExists(documentPath) ? AppendOutcome::ReadFailed : AppendOutcome::Skipped;
  }
  bool headDone = false;
  bool pageWritten = false;
  std::string line;
  while (document.ReadString(line)) {
    if (!line.empty() && line[0] == '}') continue;
    int status = 0;
    if (suppliesHead || headDone) {
      status = composite.WriteString(line + "\n");
    } else {
      if (!pageWritten) {
        status = composite.WriteString("\\page\n");
        pageWritten = true;
      }
      // The line that ends the head belongs to it and is not copied.
      if (!IsHeadLine(line)) headDone = true;
    }
    if (status != 0) return AppendOutcome::WriteFailed;
  }
  return document.ReadFailed() ? AppendOutcome::ReadFailed : AppendOutcome::Appended;
}

int WriteCompositeRtf(const std::string& setListPath, const std::string& folder, const std::string& compositePath) {
  return AssembleComposite(setListPath, folder, compositePath,
                           CompositeKind{"rtf", "Error opening rtf file %s for write.", "}", AppendSongRtf});
}
