#pragma once
// The in-memory dialog back end: dialogs run without a window, and a test plays the user.
// Either open a dialog and drive its window step by step (Open), or queue what the user does
// in the next modal dialog and let the program call DoModal (WhenNextDialogOpens). The Open
// file dialog is answered from a queue, and every request made of it is kept.
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/dialog/DialogBackEnd.h"
#include "platform/testing/MemoryDialogWindow.h"

namespace platform::testing {

class MemoryDialogBackEnd : public DialogBackEnd {
 public:
  using User = std::function<void(MemoryDialogWindow& window)>;

  // Creates the window and runs the dialog's opening; the test then drives the window. The
  // dialog must outlive the driving.
  MemoryDialogWindow& Open(CDialog& dialog);

  // What the user does in the next dialog that runs modally. A dialog the user leaves open is
  // closed as with Escape; with no user queued it is closed that way at once.
  void WhenNextDialogOpens(User user);

  // The answer to the next Open file dialog: IDOK with the chosen path, or IDCANCEL. A file
  // dialog with no answer queued is cancelled.
  void AnswerNextFileDialog(int result, std::string chosenPath = "");

  const std::vector<OpenFileRequest>& FileDialogRequests() const { return fileDialogRequests_; }
  // Every window opened, in order; they stay readable after their dialogs end.
  const std::vector<std::unique_ptr<MemoryDialogWindow>>& Windows() const { return windows_; }

  int RunModal(CDialog& dialog) override;
  int ShowOpenFileDialog(CDialog& parent, const OpenFileRequest& request, std::string& chosenPath) override;

 private:
  struct FileDialogAnswer {
    int result;
    std::string chosenPath;
  };
  std::vector<std::unique_ptr<MemoryDialogWindow>> windows_;
  std::deque<User> users_;
  std::deque<FileDialogAnswer> fileDialogAnswers_;
  std::vector<OpenFileRequest> fileDialogRequests_;
};

}  // namespace platform::testing
