#include "rtf/CompositeRtf.h"

#include "platform/File.h"
#include "platform/Messages.h"
#include "songtext/SetList.h"

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
  SetListReader setList;
  if (setList.Open(setListPath) != 0) {
    platform::ShowFormattedMessage("Error opening list file %s for read.", {setListPath});
    return 1;
  }
  TextModeWriter composite;
  if (composite.Create(compositePath) != 0) {
    platform::ShowFormattedMessage("Error opening rtf file %s for write.", {compositePath});
    return 2;
  }
  bool headWritten = false;
  std::string entry;
  while (setList.NextEntry(entry)) {
    std::string documentPath = SetListEntryPath(folder, entry, "rtf");
    if (platform::IsSameFile(documentPath, compositePath)) continue;
    AppendOutcome outcome = AppendSongRtf(documentPath, !headWritten, composite);
    if (outcome == AppendOutcome::WriteFailed) {
      platform::ShowFormattedMessage("Error writing to file %s", {compositePath});
      return 3;
    }
    // A document that is there but cannot be read would leave a song out, or cut it short.
    if (outcome == AppendOutcome::ReadFailed) {
      platform::ShowFormattedMessage("Error opening file %s for reading", {documentPath});
      return 4;
    }
    if (outcome == AppendOutcome::Appended) headWritten = true;
  }
  if (setList.ReadFailed()) {
    platform::ShowFormattedMessage("Error opening list file %s for read.", {setListPath});
    return 1;
  }
  if (composite.WriteString("}") != 0 || composite.Close() != 0) {
    platform::ShowFormattedMessage("Error writing to file %s", {compositePath});
    return 3;
  }
  return 0;
}
