#pragma once
// A dialog back end: builds a window from a dialog's template, runs it modally, and shows the
// framework's common dialogs. The Qt window is one back end; an in-memory one serves tests.
#include <string>

namespace platform {

class CDialog;

// An Open file dialog (CFileDialog): a single filter written "<text> (<pattern>)", matched
// without regard to letter case; a default extension added to a typed name without one; a
// name that does not exist yet is accepted.
struct OpenFileRequest {
  std::string initialPath;       // empty: the dialog opens where the platform chooses
  std::string filter;            // for example " Files (*.txt)"
  std::string defaultExtension;  // without the dot
};

class DialogBackEnd {
 public:
  virtual ~DialogBackEnd() = default;

  // Creates the dialog's window, runs the dialog's opening (CDialog::OpenWindow), and returns
  // when the dialog has ended, with the result it ended with.
  virtual int RunModal(CDialog& dialog) = 0;

  // Shows an Open file dialog over `parent`. Returns IDOK with the chosen full path in
  // `chosenPath`, or IDCANCEL with `chosenPath` untouched.
  virtual int ShowOpenFileDialog(CDialog& parent, const OpenFileRequest& request,
                                 std::string& chosenPath) = 0;
};

}  // namespace platform
