#pragma once
// The window of the in-memory dialog back end: the controls of the dialog's template as plain
// values, driven by a test as a user would drive the real window (type a text, check a box,
// press a button, Enter, Escape, the close box, the system menu) and read back afterwards.
#include <map>
#include <string>
#include <vector>

#include "platform/dialog/CDialog.h"

namespace platform::testing {

class MemoryDialogWindow : public DialogWindow {
 public:
  struct MenuItem {
    int commandId = 0;  // 0 for a separator
    std::string text;
  };

  explicit MemoryDialogWindow(CDialog& dialog);

  // Driving. Each returns false (and does nothing) when the window has ended or the control
  // does not exist or is not of a kind that takes the action.
  bool Type(int id, const std::string& text);  // replaces an edit's whole text
  bool Press(int id);                          // click: push button, check box (toggles), radio
  bool PressEnter();                           // the default button, as Enter in an edit
  bool PressEscape();
  bool PressCloseBox();
  bool ChooseSystemMenuItem(int commandId);

  // Reading.
  bool IsOpen() const { return dialog_ != nullptr && !ended_; }
  int Result() const { return result_; }
  int FocusedControl() const { return focused_; }
  int Icon() const { return icon_; }
  const std::vector<MenuItem>& SystemMenu() const { return systemMenu_; }
  const DialogTemplate& Template() const { return template_; }

  // For the back end: puts the focus on the first tab stop (what the framework does when
  // OnInitDialog says so), and lets go of a dialog that has ended.
  void FocusFirstTabStop();
  void DetachIfEnded();

  // DialogWindow
  std::string ControlText(int id) const override;
  void SetControlText(int id, const std::string& text) override;
  int CheckState(int id) const override;
  void SetCheckState(int id, int state) override;
  std::string WindowText() const override { return title_; }
  void SetWindowText(const std::string& text) override { title_ = text; }
  void SetIcon(int imageId) override { icon_ = imageId; }
  void AppendSystemMenuSeparator() override;
  void AppendSystemMenuItem(int commandId, const std::string& text) override;
  void EndDialog(int result) override;

 private:
  struct Control {
    ControlKind kind;
    std::string text;
    int checked = 0;
  };
  Control* Find(int id);
  const Control* Find(int id) const;
  void Command(int id);

  CDialog* dialog_;
  const DialogTemplate& template_;
  std::map<int, Control> controls_;
  std::string title_;
  int icon_ = 0;
  int focused_ = kNoControlId;
  bool ended_ = false;
  int result_ = -1;
  std::vector<MenuItem> systemMenu_;
};

}  // namespace platform::testing
