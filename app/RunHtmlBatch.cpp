#include "app/RunHtmlBatch.h"

#include <string>

#include "app/BatchSettings.h"
#include "html/WriteHtmlPage.h"
#include "platform/Console.h"
#include "platform/DirectorySearch.h"
#include "songtext/SongContext.h"

namespace {

constexpr const char* kVersionText = "1.08";

}  // namespace

int RunHtmlBatch(const CommandLineOptions& options) {
  platform::WriteStdoutLine(std::string("Melvane ") + kVersionText);
  // The size as given, before limiting: "-s9" reports 9 and writes the largest size.
  platform::WriteStdoutLine("Using " + options.pattern + " to create HTML file of size " +
                            std::to_string(options.lyricValue) + ".");
  FormatSettings settings = HtmlBatchSettings(options);
  int status = 0;
  for (const std::string& path : platform::FindMatchingFiles(options.pattern)) {
    platform::WriteStdoutLine("Melvane html: " + path);
    settings.songPath = path;
    SongContext context;
    if (WriteHtmlPage(context, settings) != 0) status = 1;
  }
  return status;
}
