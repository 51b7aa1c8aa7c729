// The Word document (RTF) commands: one song, a set list, and the composite document.
#include "app/RtfCommands.h"

#include "app/CMelvaneDlg.h"
#include "app/SetListPath.h"
#include "platform/Messages.h"
#include "platform/Numbers.h"
#include "platform/ShellOpen.h"
#include "rtf/CompositeRtf.h"
#include "rtf/WriteRtfDocument.h"
#include "songtext/FormatSettings.h"
#include "songtext/PathHelpers.h"

namespace {

bool IsFontSizeAccepted(int size) { return size == 0 || (size >= 6 && size <= 22); }

}  // namespace

void CreateRtfForSong(CMelvaneDlg& dialog, const std::string& songPath) {
  dialog.UpdateData(true);
  FormatSettings settings;
  settings.songPath = songPath;
  settings.lyricSize = platform::ReadLeadingInt(dialog.lyricSizeText);
  if (!IsFontSizeAccepted(settings.lyricSize)) {
    platform::ShowMessage("The lyric font size must be between 6 and 22");
    return;
  }
  settings.chordSize = platform::ReadLeadingInt(dialog.chordSizeText);
  if (!IsFontSizeAccepted(settings.chordSize)) {
    platform::ShowMessage("The chord font size must be between 6 and 22");
    return;
  }
  settings.boldChords = dialog.boldChordsCheck != 0;
  settings.lineSpacing = dialog.lineSpaceCheck != 0;
  settings.lineHeight = dialog.lineHeightText;
  settings.columns = dialog.columnChoice;
  settings.linesPerColumn = platform::ReadLeadingInt(dialog.linesInColumnText);
  settings.indentPage = dialog.indentPageCheck != 0;
  WriteRtfDocument(settings);
}

// "Create Word Doc (RTF)": writes the Word document of the selected song. No song selected
// reaches the writer as an empty path, which reports it cannot read it.
void CMelvaneDlg::OnCreateWordDoc() { CreateRtfForSong(*this, songPath); }

// "View Word Doc": asks the desktop to open the selected song's Word document, in the song's
// folder. Nothing happens with no song selected; a missing document is the opener's affair.
void CMelvaneDlg::OnViewWordDoc() {
  UpdateData(true);
  if (songPath.empty()) return;
  platform::ShellOpen(ReplacePathExtension(songPath, "rtf"), PathDirectory(songPath));
}

// "Create RTF Files From Set List": writes the Word document of every song the set list names
// (the entry with the extension "txt", in the selected song's folder), in the order of the
// list and in the dialog's format. Each song's failure is reported on its own and the next
// entry follows. A set list that cannot be opened: "Error opening set list file %s for read.".
void CMelvaneDlg::OnCreateRtfFromSetList() {
  UpdateData(true);
  ForEachSetListSong(*this, [this](const std::string& song) { CreateRtfForSong(*this, song); });
}

// "Create Composite RTF": joins the Word documents of the set list's songs into
// folder + "/" + set list name + Append text + ".rtf" (WriteCompositeRtf, which reports its
// failures).
void CMelvaneDlg::OnCreateCompositeRtf() {
  UpdateData(true);
  std::string setListPath;
  std::string baseName = GetSetListPath(*this, setListPath);
  if (setListPath.empty()) return;
  std::string folder = PathDirectory(songPath);
  WriteCompositeRtf(setListPath, folder, folder + "/" + baseName + ".rtf");
}

// "View Composite RTF": asks the desktop to open the composite Word document, in its folder.
// Neither the set list nor the composite has to exist.
void CMelvaneDlg::OnViewCompositeRtf() {
  UpdateData(true);
  std::string setListPath;
  std::string baseName = GetSetListPath(*this, setListPath);
  if (setListPath.empty()) return;
  std::string folder = PathDirectory(songPath);
  platform::ShellOpen(folder + "/" + baseName + ".rtf", folder);
}
