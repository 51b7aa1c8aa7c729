#pragma once
// Command routing by control id (the message map): a dialog class lists which member handles
// the click of which push button.
#include <span>
#include <type_traits>

namespace platform {

template <class Dialog>
struct CommandEntry {
  int controlId;
  void (Dialog::*handler)();
};

// Runs the handler listed for `controlId`; false when the table has none. The table may be given
// as an array.
template <class Dialog>
bool RouteCommand(Dialog& dialog, std::span<const CommandEntry<std::type_identity_t<Dialog>>> table,
                  int controlId) {
  for (const CommandEntry<Dialog>& entry : table) {
    if (entry.controlId == controlId) {
      (dialog.*entry.handler)();
      return true;
    }
  }
  return false;
}

}  // namespace platform
