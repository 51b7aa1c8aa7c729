#pragma once
// The back end's side of one open dialog: what the framework asks of the window while the
// dialog runs. Controls are addressed by their template id; a call naming an id the template
// lacks does nothing (and reads as empty or unchecked).
#include <string>

namespace platform {

class DialogWindow {
 public:
  virtual ~DialogWindow() = default;

  // The text of an edit, a label or a button, as bytes (paths and song text stay byte strings).
  virtual std::string ControlText(int id) const = 0;
  virtual void SetControlText(int id, const std::string& text) = 0;

  // Check boxes and radio buttons: 0 unchecked, 1 checked.
  virtual int CheckState(int id) const = 0;
  virtual void SetCheckState(int id, int state) = 0;

  virtual std::string WindowText() const = 0;
  virtual void SetWindowText(const std::string& text) = 0;

  // The large and small window icon, from an image resource.
  virtual void SetIcon(int imageId) = 0;

  // The window's menu of system commands (on this platform the dialog's context menu). A
  // chosen item reaches the dialog as OnSysCommand with its command id.
  virtual void AppendSystemMenuSeparator() = 0;
  virtual void AppendSystemMenuItem(int commandId, const std::string& text) = 0;

  // Closes the window; the modal run returns `result`.
  virtual void EndDialog(int result) = 0;
};

}  // namespace platform
