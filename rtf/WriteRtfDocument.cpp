#include "rtf/WriteRtfDocument.h"

#include <cstdint>
#include <string>

#include "platform/File.h"
#include "platform/Messages.h"
#include "rtf/RtfDocumentOutput.h"
#include "rtf/RtfSpacingText.h"
#include "rtf/RtfTexts.h"
#include "rtf/WriteRtfLine.h"
#include "songtext/PathHelpers.h"
#include "songtext/ReplaceFromTemporary.h"
#include "songtext/TextFile.h"

namespace {

constexpr int kDocumentCannotBeCreated = 1;
constexpr int kDocumentWriteFailed = 3;

// Head, page set-up and base font size, through the empty line that ends the head.
std::string DocumentStart(const FormatSettings& settings) {
  std::string start = kRtfHead;
  if (settings.columns == 0) {
    start += kRtfPortraitSetupStart;
    start += settings.indentPage ? kRtfIndentedLeftMargin : kRtfPlainLeftMargin;
    start += kRtfPortraitSetupEnd;
  } else {
    start += kRtfLandscapeSetup;
  }
  start += kRtfFontSizeWord;
  start += std::to_string(2LL * settings.lyricSize);
  start += kRtfHeadEnd;
  return start;
}

// The body, one song line after another, until the song ends or a write fails.
void WriteSongLines(TextFile& song, RtfDocumentOutput& document, const FormatSettings& settings) {
  const std::string spacingText = RtfSpacingText(settings.lineHeight);
  std::int64_t number = 0;
  bool previousWasChord = false;
  bool columnBreakWritten = false;
  std::string line;
  while (document.Status() == 0 && song.NextLine(line)) {
    ++number;
    // An empty line does not end a chord/lyric pair: the lyric under it still closes the
    // paragraph.
    if (line.empty()) {
      document.Markup(kRtfLineBreak);
      continue;
    }
    bool isChordLine =
        WriteRtfLine(settings, line, document, settings.lineSpacing, previousWasChord, spacingText);
    previousWasChord = isChordLine;
    // The one forced break never follows a chord line: a chord line at or past the threshold
    // defers it to the next lyric line, so chords stay above their words.
    if (settings.columns != 0 && !columnBreakWritten && number >= settings.linesPerColumn && !isChordLine) {
      document.Markup(kRtfColumnBreak);
      columnBreakWritten = true;
    }
  }
}

}  // namespace

int WriteRtfDocument(const FormatSettings& settings) {
  TextFile song;
  if (int status = song.LoadWholeFile(settings.songPath)) return status;

  const std::string base = SplitPathExtension(settings.songPath).first;
  const std::string temporaryPath = base + ".rtf.tmp";
  const std::string backupPath = base + ".rtf.bak";
  const std::string documentPath = base + ".rtf";

  // A song named x.rtf would be replaced by its own document.
  if (documentPath == settings.songPath || platform::IsSameFile(documentPath, settings.songPath)) {
    platform::ShowFormattedMessage("Error opening file %s for writing", {documentPath});
    return kDocumentCannotBeCreated;
  }

  TextFile document;
  if (document.OpenForWriting(temporaryPath) != 0) return kDocumentCannotBeCreated;
  RtfDocumentOutput output(document);
  output.Markup(DocumentStart(settings));
  WriteSongLines(song, output, settings);
  output.Markup(kRtfDocumentEnd);
  int writeStatus = output.Flush();
  int closeStatus = document.CloseHandle();
  if (writeStatus != 0 || closeStatus != 0) {
    platform::ShowFormattedMessage("Error writing to file %s", {temporaryPath});
    return kDocumentWriteFailed;
  }

  // The song stays open (shared for reading) until the document is in place: should the
  // backup or the document be the song under another name (a link), the copy onto it is
  // refused and the song keeps its text. An old document is replaced only once it is safe in
  // the backup; the first run has none to keep.
  return ReplaceFromTemporary(temporaryPath, documentPath, backupPath);
}
