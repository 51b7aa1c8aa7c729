// The file commands: choose the song, edit it, copy it under a new name, open the help page.
#include <string>

#include "app/CMelvaneDlg.h"
#include "app/PromptForSongFile.h"
#include "platform/File.h"
#include "platform/Messages.h"
#include "platform/ProgramPath.h"
#include "platform/ShellOpen.h"
#include "songtext/MakerSite.h"
#include "songtext/PathHelpers.h"

namespace {

// The copy's name: the song's base cut just after the last '-' of its file name (or with a
// '-' appended when there is none), then the addition and ".txt". Only the file name is
// searched: a '-' in a folder name must not send the copy into another folder.
std::string CopyName(const std::string& songPath, const std::string& addition) {
  std::string base = SplitPathExtension(songPath).first;
  std::size_t nameStart = base.rfind('/') == std::string::npos ? 0 : base.rfind('/') + 1;
  std::size_t dash = base.rfind('-');
  if (dash != std::string::npos && dash > nameStart) {
    base.erase(dash + 1);
  } else {
    base += '-';
  }
  return base + addition + ".txt";
}

}  // namespace

// "Select Song File": choose the song with the Open file dialog; a confirmed choice is shown
// in the status line and stored as the remembered path, every time.
void CMelvaneDlg::OnSelectSongFile() {
  UpdateData(true);
  if (PromptForSongFile(*this, songPath) == platform::IDOK) {
    SetStatusLine(songPath);
    StoreRememberedPath(songPath);
  }
  UpdateData(false);
}

// "Edit Text": hands the selected song to the desktop's opener (the user's editor for text).
void CMelvaneDlg::OnEditText() {
  UpdateData(true);
  if (songPath.empty()) return;
  platform::ShellOpen(songPath, PathDirectory(songPath));
}

// "Copy File": copies the selected song under its name with the addition (Grace-G.txt with
// "A" gives Grace-A.txt, Grace.txt gives Grace-A.txt), replacing an existing copy, and selects
// the copy (not remembered). Messages: "Enter text to add to the file name" when the addition
// is empty; "Error copying file %s to %s." when the copy fails, and the selection stays.
void CMelvaneDlg::OnCopyFile() {
  UpdateData(true);
  if (fileNameAddition.empty()) {
    platform::ShowMessage("Enter text to add to the file name");
    return;
  }
  std::string copyPath = CopyName(songPath, fileNameAddition);
  if (platform::CopyFileOver(songPath, copyPath) != 0) {
    platform::ShowFormattedMessage("Error copying file %s to %s.", {songPath, copyPath});
    return;
  }
  songPath = copyPath;
  SetStatusLine(songPath);
  UpdateData(false);
}

// "Help": opens the help page on the maker's site in the browser, from the program's folder.
// Exchanges no control data, so unsaved edits stay as they are.
void CMelvaneDlg::OnHelpButton() {
  std::string address = "http://" + std::string(kMakerHost) + std::string(kHelpPagePath);
  platform::ShellOpen(address, PathDirectory(platform::ProgramPath()));
}
