#include "app/BatchSettings.h"

FormatSettings RtfBatchSettings(const CommandLineOptions& options, const std::string& songPath) {
  FormatSettings settings;
  settings.songPath = songPath;
  settings.columns = options.twoColumns ? 1 : 0;
  settings.linesPerColumn = options.linesPerColumn;
  settings.autoColumns = options.automatic;
  settings.chordSize = BatchPointSize(settings.chordSize);
  settings.lyricSize = BatchPointSize(settings.lyricSize);
  return settings;
}

FormatSettings HtmlBatchSettings(const CommandLineOptions& options) {
  FormatSettings settings;
  settings.chordSize = BatchPointSize(options.chordValue);
  settings.lyricSize = BatchPointSize(options.lyricValue);
  settings.columns = options.twoColumns ? 1 : 0;
  settings.linesPerColumn = options.linesPerColumn;
  settings.autoColumns = options.automatic;
  settings.indentPage = !options.twoColumns;
  settings.boldChords = true;
  settings.lineSpacing = true;
  return settings;
}
