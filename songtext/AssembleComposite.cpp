#include "songtext/AssembleComposite.h"

#include "platform/File.h"
#include "platform/Messages.h"

int AssembleComposite(const std::string& setListPath, const std::string& folder, const std::string& compositePath,
                      const CompositeKind& kind) {
  SetListReader setList;
  if (setList.Open(setListPath) != 0) {
    platform::ShowFormattedMessage("Error opening list file %s for read.", {setListPath});
    return 1;
  }
  TextModeWriter composite;
  if (composite.Create(compositePath) != 0) {
    platform::ShowFormattedMessage(kind.createFailure, {compositePath});
    return 2;
  }
  bool headWritten = false;
  std::string entry;
  while (setList.NextEntry(entry)) {
    std::string documentPath = SetListEntryPath(folder, entry, kind.extension);
    if (platform::IsSameFile(documentPath, compositePath)) continue;
    AppendOutcome outcome = kind.append(documentPath, !headWritten, composite);
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
  // A list that breaks off half-way must not pass for a shorter list.
  if (setList.ReadFailed()) {
    platform::ShowFormattedMessage("Error opening list file %s for read.", {setListPath});
    return 1;
  }
  if (composite.WriteString(kind.trailer) != 0 || composite.Close() != 0) {
    platform::ShowFormattedMessage("Error writing to file %s", {compositePath});
    return 3;
  }
  return 0;
}
