#pragma once
// Runs dialogs modally on the Qt back end with the test playing the user: each window that
// opens is handed to the next queued user; a window its user leaves open is cancelled, so a
// failed expectation never leaves a modal loop running.
#include <deque>
#include <functional>

#include "platform/dialog/CDialog.h"
#include "qt/QtDialogBackEnd.h"
#include "qt/QtDialogWindow.h"

class QtDialogRun {
 public:
  using User = std::function<void(QtDialogWindow& window)>;

  QtDialogRun() {
    backEnd.SetOpenedHandler([this](QtDialogWindow& window) {
      if (!users_.empty()) {
        User user = std::move(users_.front());
        users_.pop_front();
        user(window);
      }
      if (!window.HasEnded()) window.reject();
      if (!window.HasEnded()) window.EndDialog(platform::IDCANCEL);
    });
  }

  // Queues the user of the next window that opens.
  QtDialogRun& Then(User user) {
    users_.push_back(std::move(user));
    return *this;
  }

  QtDialogBackEnd backEnd;

 private:
  std::deque<User> users_;
};
