#include "app/SetListPath.h"

#include "app/CMelvaneDlg.h"
#include "platform/Messages.h"
#include "songtext/PathHelpers.h"
#include "songtext/SetList.h"

std::string GetSetListPath(const CMelvaneDlg& dialog, std::string& setListPath) {
  if (dialog.setListName.empty()) {
    platform::ShowMessage("Enter a Set List Name");
    return "";
  }
  // A name holding a '.' is still taken as a bare name: ".txt" is appended, nothing replaced.
  setListPath = PathDirectory(dialog.songPath) + "/" + dialog.setListName + ".txt";
  return dialog.setListName + dialog.appendText;
}

void ForEachSetListSong(const CMelvaneDlg& dialog,
                        const std::function<void(const std::string& songPath)>& eachSong) {
  std::string setListPath;
  GetSetListPath(dialog, setListPath);
  if (setListPath.empty()) return;
  std::string folder = PathDirectory(dialog.songPath);
  SetListReader setList;
  if (setList.Open(setListPath) != 0) {
    platform::ShowFormattedMessage("Error opening set list file %s for read.", {setListPath});
    return;
  }
  std::string entry;
  while (setList.NextEntry(entry)) eachSong(SetListEntryPath(folder, entry, "txt"));
  if (setList.ReadFailed()) {
    platform::ShowFormattedMessage("Error opening set list file %s for read.", {setListPath});
  }
}
