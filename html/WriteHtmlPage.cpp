#include "html/WriteHtmlPage.h"

#include <climits>
#include <cstdint>
#include <string>

#include "html/BuildHtmlStyles.h"
#include "html/EscapeHtml.h"
#include "html/HtmlPageOutput.h"
#include "html/HtmlTexts.h"
#include "html/WriteHtmlLine.h"
#include "platform/File.h"
#include "platform/Messages.h"
#include "songtext/PathHelpers.h"
#include "songtext/ReplaceFromTemporary.h"
#include "songtext/TextFile.h"

namespace {

constexpr int kPageCannotBeCreated = 1;
constexpr int kPageWriteFailed = 3;

// Head, style sheet and body start, up to the opening of the first preformatted block.
std::string PageStart(const SongContext& context, const FormatSettings& settings, bool useSpans) {
  std::string start = kHtmlHead;
  if (useSpans) start += context.styleText;
  start += settings.indentPage ? kHtmlIndentedPreRuleStart : kHtmlPlainPreRuleStart;
  start += std::to_string(context.bodyFontSize);
  start += kHtmlPreRuleEnd;
  start += kHtmlTableRules;
  AppendEscapedHtml(start, settings.lineHeight);
  start += kHtmlStyleEnd;
  if (settings.columns > 0) start += kHtmlTableOpen;
  start += kHtmlPreOpen;
  return start;
}

// The closing pieces after the last song line.
std::string PageEnd(const FormatSettings& settings) {
  std::string end(kHtmlPreClose);
  if (settings.columns > 0) end += kHtmlTableClose;
  end += kHtmlPageEnd;
  return end;
}

// The song's lines, numbered from 1; the line numbered linesPerColumn brings the column break.
void WriteSongLines(HtmlPageOutput& output, TextFile& song, const FormatSettings& settings, bool useSpans) {
  std::string line;
  std::int64_t number = 0;
  while (output.Status() == 0 && song.NextLine(line)) {
    ++number;
    if (settings.columns > 0 && number == settings.linesPerColumn) {
      output.Markup(kHtmlColumnBreak);
      // The second column never starts with a blank line.
      if (line.empty()) continue;
    }
    if (line.empty()) {
      output.Markup("\n");
    } else {
      WriteHtmlLine(line, output, useSpans);
    }
  }
}

}  // namespace

int WriteHtmlPage(SongContext& context, FormatSettings& settings) {
  context.boldChords = settings.boldChords;
  context.lineSpacing = settings.lineSpacing;
  BuildHtmlStyles(context, settings);
  bool useSpans = context.boldChords || settings.chordSize != settings.lyricSize || context.lineSpacing;

  TextFile song;
  if (int status = song.LoadWholeFile(settings.songPath)) return status;

  if (settings.columns != 0 && settings.autoColumns) {
    std::int64_t count = 0;
    std::string line;
    while (song.NextLine(line)) ++count;
    // A second reading hands the lines out from the first again.
    song.Close();
    if (int status = song.LoadWholeFile(settings.songPath)) return status;
    settings.linesPerColumn = count / 2 > INT_MAX ? INT_MAX : static_cast<int>(count / 2);
  }

  std::string base = SplitPathExtension(settings.songPath).first;
  std::string temporaryPath = base + ".html.tmp";
  std::string backupPath = base + ".html.bak";
  std::string pagePath = base + ".html";

  // A song named x.html would be replaced by its own page.
  if (pagePath == settings.songPath || platform::IsSameFile(pagePath, settings.songPath)) {
    platform::ShowFormattedMessage("Error opening file %s for writing", {pagePath});
    return kPageCannotBeCreated;
  }

  TextFile page;
  if (page.OpenForWriting(temporaryPath) != 0) return kPageCannotBeCreated;
  HtmlPageOutput output(page);
  output.Markup(PageStart(context, settings, useSpans));
  WriteSongLines(output, song, settings, useSpans);
  output.Markup(PageEnd(settings));
  int writeStatus = output.Flush();
  int closeStatus = page.CloseHandle();
  if (writeStatus != 0 || closeStatus != 0) {
    platform::ShowFormattedMessage("Error writing to file %s", {temporaryPath});
    return kPageWriteFailed;
  }

  // The song stays open (shared for reading) until the page is in place: should the backup or
  // the page be the song under another name (a link), the copy onto it is refused and the song
  // keeps its text. An old page is replaced only once it is safe in the backup.
  return ReplaceFromTemporary(temporaryPath, pagePath, backupPath);
}
