#include "app/RunRtfBatch.h"

#include <string>

#include "app/BatchSettings.h"
#include "platform/Console.h"
#include "platform/DirectorySearch.h"
#include "rtf/WriteRtfDocument.h"

int RunRtfBatch(const CommandLineOptions& options) {
  int status = 0;
  for (const std::string& path : platform::FindMatchingFiles(options.pattern)) {
    platform::WriteStdoutLine("Melvane rtf: " + path);
    if (WriteRtfDocument(RtfBatchSettings(options, path)) != 0) status = 1;
  }
  return status;
}
