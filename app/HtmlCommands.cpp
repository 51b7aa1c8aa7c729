// The web page (HTML) commands: one song, a set list, and the composite page.
#include "app/HtmlCommands.h"

#include "app/CMelvaneDlg.h"
#include "app/SetListPath.h"
#include "html/CompositeHtml.h"
#include "html/WriteHtmlPage.h"
#include "platform/Messages.h"
#include "platform/Numbers.h"
#include "platform/ShellOpen.h"
#include "songtext/FormatSettings.h"
#include "songtext/PathHelpers.h"
#include "songtext/SongContext.h"

namespace {

bool IsFontSizeAccepted(int size) { return size == 0 || (size >= 6 && size <= 22); }

}  // namespace

bool CreateWebPage(const CMelvaneDlg& dialog, const std::string& songPath) {
  // Fresh records for every song: the line count the writer works out in automatic mode never
  // reaches the next song of a set list.
  SongContext context;
  int linesPerColumn = platform::ReadLeadingInt(dialog.linesInColumnText);
  int lyricSize = platform::ReadLeadingInt(dialog.lyricSizeText);
  if (!IsFontSizeAccepted(lyricSize)) {
    platform::ShowMessage("The lyric font size must be between 6 and 22");
    return false;
  }
  int chordSize = platform::ReadLeadingInt(dialog.chordSizeText);
  if (!IsFontSizeAccepted(chordSize)) {
    platform::ShowMessage("The chord font size must be between 6 and 22");
    return false;
  }
  FormatSettings settings;
  settings.songPath = songPath;
  settings.columns = dialog.columnChoice;
  settings.linesPerColumn = linesPerColumn;
  settings.indentPage = dialog.indentPageCheck != 0;
  settings.boldChords = dialog.boldChordsCheck != 0;
  settings.lineSpacing = dialog.lineSpaceCheck != 0;
  settings.autoColumns = dialog.automaticCheck != 0;
  settings.lyricSize = lyricSize;
  settings.chordSize = chordSize;
  settings.lineHeight = dialog.lineHeightText;
  float lineHeight = 0;
  if (!platform::ReadLeadingFloat(dialog.lineHeightText, lineHeight) || lineHeight < 1.0f ||
      lineHeight > 3.0f) {
    platform::ShowMessage("The line height must be from 1.0 to 3.0.");
    return false;
  }
  WriteHtmlPage(context, settings);
  return true;
}

// "Create Web Page (HTML)": writes the web page of the selected song. No song selected reaches
// the writer as an empty path, which reports it cannot read it.
void CMelvaneDlg::OnCreateWebPage() {
  UpdateData(true);
  CreateWebPage(*this, songPath);
}

// "View Web Page": asks the desktop to open the selected song's web page, in the page's
// folder. Nothing happens with no song selected; a missing page is the opener's affair.
void CMelvaneDlg::OnViewWebPage() {
  UpdateData(true);
  if (songPath.empty()) return;
  std::string page = ReplacePathExtension(songPath, "html");
  platform::ShellOpen(page, PathDirectory(page));
}

// "Create HTML Files From Set List": writes the web page of every song the set list names (the
// entry with the extension "txt", in the selected song's folder), in the order of the list and
// in the dialog's format. Each song's failure is reported on its own and the next entry
// follows. A set list that cannot be opened: "Error opening set list file %s for read.".
void CMelvaneDlg::OnCreateHtmlFromSetList() {
  UpdateData(true);
  ForEachSetListSong(*this, [this](const std::string& song) { CreateWebPage(*this, song); });
}

// "Create Composite HTML": joins the web pages of the set list's songs into
// folder + "/" + set list name + Append text + ".html" (WriteCompositeHtml, which reports its
// failures), in two-column mode unless "One Column" is chosen.
void CMelvaneDlg::OnCreateCompositeHtml() {
  UpdateData(true);
  std::string setListPath;
  std::string baseName = GetSetListPath(*this, setListPath);
  if (setListPath.empty()) return;
  std::string folder = PathDirectory(songPath);
  WriteCompositeHtml(setListPath, folder, folder + "/" + baseName + ".html", columnChoice != 0);
}

// "View Composite HTML": asks the desktop to open the composite page, in its folder. Neither
// the set list nor the composite has to exist.
void CMelvaneDlg::OnViewCompositeHtml() {
  UpdateData(true);
  std::string setListPath;
  std::string baseName = GetSetListPath(*this, setListPath);
  if (setListPath.empty()) return;
  std::string folder = PathDirectory(songPath);
  platform::ShellOpen(folder + "/" + baseName + ".html", folder);
}
