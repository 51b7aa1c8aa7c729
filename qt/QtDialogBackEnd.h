#pragma once
// The Qt back end of the dialog framework: runs each dialog in a QtDialogWindow with QDialog's
// modal loop, over the dialog that is open at the time, and shows Qt's own (non-native) Open
// file dialog. Tests can watch every window and file dialog once it is up and play the user.
#include <functional>
#include <string>

#include "platform/dialog/DialogBackEnd.h"

class QFileDialog;
class QtDialogWindow;

class QtDialogBackEnd : public platform::DialogBackEnd {
 public:
  using WindowHandler = std::function<void(QtDialogWindow& window)>;
  using FileDialogHandler = std::function<void(QFileDialog& fileDialog)>;

  // Called inside each modal run once its window is shown (tests).
  void SetOpenedHandler(WindowHandler handler) { openedHandler_ = std::move(handler); }
  // Called inside each Open file dialog once it is shown (tests).
  void SetFileDialogHandler(FileDialogHandler handler) { fileDialogHandler_ = std::move(handler); }

  int RunModal(platform::CDialog& dialog) override;
  // The filter matches without regard to letter case; a typed name without an extension gets
  // the default one; a name that does not exist yet is accepted. The chosen path comes back as
  // the file system's bytes.
  int ShowOpenFileDialog(platform::CDialog& parent, const platform::OpenFileRequest& request,
                         std::string& chosenPath) override;

 private:
  WindowHandler openedHandler_;
  FileDialogHandler fileDialogHandler_;
};
