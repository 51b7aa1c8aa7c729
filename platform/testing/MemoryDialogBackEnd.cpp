#include "platform/testing/MemoryDialogBackEnd.h"

#include <utility>

namespace platform::testing {

MemoryDialogWindow& MemoryDialogBackEnd::Open(CDialog& dialog) {
  windows_.push_back(std::make_unique<MemoryDialogWindow>(dialog));
  MemoryDialogWindow& window = *windows_.back();
  if (dialog.OpenWindow(window)) window.FocusFirstTabStop();
  window.DetachIfEnded();
  return window;
}

void MemoryDialogBackEnd::WhenNextDialogOpens(User user) { users_.push_back(std::move(user)); }

void MemoryDialogBackEnd::AnswerNextFileDialog(int result, std::string chosenPath) {
  fileDialogAnswers_.push_back(FileDialogAnswer{result, std::move(chosenPath)});
}

int MemoryDialogBackEnd::RunModal(CDialog& dialog) {
  MemoryDialogWindow& window = Open(dialog);
  if (window.IsOpen() && !users_.empty()) {
    User user = std::move(users_.front());
    users_.pop_front();
    user(window);
  }
  if (window.IsOpen()) window.PressEscape();
  // A dialog whose Cancel does not end it still ends here: there is no user left to do it.
  if (window.IsOpen()) window.EndDialog(IDCANCEL);
  window.DetachIfEnded();
  return window.Result();
}

int MemoryDialogBackEnd::ShowOpenFileDialog(CDialog&, const OpenFileRequest& request,
                                            std::string& chosenPath) {
  fileDialogRequests_.push_back(request);
  if (fileDialogAnswers_.empty()) return IDCANCEL;
  FileDialogAnswer answer = std::move(fileDialogAnswers_.front());
  fileDialogAnswers_.pop_front();
  if (answer.result == IDOK) chosenPath = answer.chosenPath;
  return answer.result;
}

}  // namespace platform::testing
