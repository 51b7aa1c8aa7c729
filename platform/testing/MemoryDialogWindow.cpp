#include "platform/testing/MemoryDialogWindow.h"

namespace platform::testing {

MemoryDialogWindow::MemoryDialogWindow(CDialog& dialog)
    : dialog_(&dialog), template_(dialog.Template()), title_(dialog.Template().caption) {
  for (const ControlTemplate& control : template_.controls) {
    if (control.id == kNoControlId) continue;
    Control value{control.kind, std::string(control.caption), 0};
    if (control.kind == ControlKind::Edit) value.text.clear();
    controls_.emplace(control.id, value);
  }
}

MemoryDialogWindow::Control* MemoryDialogWindow::Find(int id) {
  auto found = controls_.find(id);
  return found == controls_.end() ? nullptr : &found->second;
}

const MemoryDialogWindow::Control* MemoryDialogWindow::Find(int id) const {
  auto found = controls_.find(id);
  return found == controls_.end() ? nullptr : &found->second;
}

// As in the real window, a dialog that ends keeps its window until the handler that ended it
// has returned.
void MemoryDialogWindow::Command(int id) {
  dialog_->OnCommand(id);
  DetachIfEnded();
}

void MemoryDialogWindow::DetachIfEnded() {
  if (!dialog_ || !ended_) return;
  CDialog* dialog = dialog_;
  dialog_ = nullptr;
  dialog->CloseWindow();
}

bool MemoryDialogWindow::Type(int id, const std::string& text) {
  Control* control = Find(id);
  if (!IsOpen() || !control || control->kind != ControlKind::Edit) return false;
  control->text = text;
  focused_ = id;
  return true;
}

bool MemoryDialogWindow::Press(int id) {
  Control* control = Find(id);
  if (!IsOpen() || !control) return false;
  switch (control->kind) {
    case ControlKind::PushButton:
    case ControlKind::DefaultPushButton:
      break;
    case ControlKind::CheckBox:
      control->checked = control->checked ? 0 : 1;
      break;
    case ControlKind::RadioButton:
      for (int member : RadioGroupContaining(template_, id)) SetCheckState(member, member == id ? 1 : 0);
      break;
    default:
      return false;
  }
  focused_ = id;
  Command(id);
  return true;
}

bool MemoryDialogWindow::PressEnter() {
  if (!IsOpen()) return false;
  for (const ControlTemplate& control : template_.controls) {
    if (control.kind == ControlKind::DefaultPushButton) {
      Command(control.id);
      return true;
    }
  }
  Command(IDOK);
  return true;
}

bool MemoryDialogWindow::PressEscape() {
  if (!IsOpen()) return false;
  Command(IDCANCEL);
  return true;
}

bool MemoryDialogWindow::PressCloseBox() { return PressEscape(); }

bool MemoryDialogWindow::ChooseSystemMenuItem(int commandId) {
  if (!IsOpen()) return false;
  for (const MenuItem& item : systemMenu_) {
    if (item.commandId != 0 && item.commandId == commandId) {
      dialog_->OnSysCommand(commandId);
      DetachIfEnded();
      return true;
    }
  }
  return false;
}

void MemoryDialogWindow::FocusFirstTabStop() {
  for (const ControlTemplate& control : template_.controls) {
    if (control.tabStop) {
      focused_ = control.id;
      return;
    }
  }
}

std::string MemoryDialogWindow::ControlText(int id) const {
  const Control* control = Find(id);
  return control ? control->text : std::string();
}

void MemoryDialogWindow::SetControlText(int id, const std::string& text) {
  if (Control* control = Find(id)) control->text = text;
}

int MemoryDialogWindow::CheckState(int id) const {
  const Control* control = Find(id);
  return control ? control->checked : 0;
}

void MemoryDialogWindow::SetCheckState(int id, int state) {
  Control* control = Find(id);
  if (control && (control->kind == ControlKind::CheckBox || control->kind == ControlKind::RadioButton)) {
    control->checked = state;
  }
}

void MemoryDialogWindow::AppendSystemMenuSeparator() { systemMenu_.push_back(MenuItem{0, ""}); }

void MemoryDialogWindow::AppendSystemMenuItem(int commandId, const std::string& text) {
  systemMenu_.push_back(MenuItem{commandId, text});
}

void MemoryDialogWindow::EndDialog(int result) {
  if (!dialog_ || ended_) return;
  ended_ = true;
  result_ = result;
}

}  // namespace platform::testing
