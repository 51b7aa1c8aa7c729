#include "app/SetListPath.h"

#include "app/CMelvaneDlg.h"
#include "platform/Messages.h"
#include "songtext/PathHelpers.h"

std::string GetSetListPath(const CMelvaneDlg& dialog, std::string& setListPath) {
  if (dialog.setListName.empty()) {
    platform::ShowMessage("Enter a Set List Name");
    return "";
  }
  // A name holding a '.' is still taken as a bare name: ".txt" is appended, nothing replaced.
  setListPath = PathDirectory(dialog.songPath) + "/" + dialog.setListName + ".txt";
  return dialog.setListName + dialog.appendText;
}
