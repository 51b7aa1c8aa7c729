#include "platform/dialog/CDialog.h"

namespace platform {

CDialog::CDialog(const DialogTemplate& dialogTemplate, DialogBackEnd& backEnd)
    : template_(dialogTemplate), backEnd_(backEnd) {}

int CDialog::DoModal() { return backEnd_.RunModal(*this); }

bool CDialog::OnInitDialog() {
  UpdateData(false);
  return true;
}

void CDialog::DoDataExchange(CDataExchange&) {}

bool CDialog::UpdateData(bool saveAndValidate) {
  if (!window_) return false;
  CDataExchange dx(*this, saveAndValidate);
  DoDataExchange(dx);
  return true;
}

void CDialog::OnOK() {
  if (!UpdateData(true)) return;
  EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::EndDialog(int result) {
  if (window_) window_->EndDialog(result);
}

void CDialog::OnCommand(int controlId) {
  if (OnCmdMsg(controlId)) return;
  if (controlId == IDOK) {
    OnOK();
  } else if (controlId == IDCANCEL) {
    OnCancel();
  }
}

void CDialog::OnSysCommand(int) {}

bool CDialog::OnCmdMsg(int) { return false; }

void CDialog::SetWindowText(const std::string& text) {
  if (window_) window_->SetWindowText(text);
}

std::string CDialog::GetWindowText() const { return window_ ? window_->WindowText() : std::string(); }

void CDialog::SetDlgItemText(int id, const std::string& text) {
  if (window_) window_->SetControlText(id, text);
}

std::string CDialog::GetDlgItemText(int id) const {
  return window_ ? window_->ControlText(id) : std::string();
}

void CDialog::CheckRadioButton(int firstId, int lastId, int checkId) {
  if (!window_) return;
  for (const ControlTemplate& control : template_.controls) {
    if (control.kind != ControlKind::RadioButton || control.id < firstId || control.id > lastId) continue;
    window_->SetCheckState(control.id, control.id == checkId ? 1 : 0);
  }
}

int CDialog::IsDlgButtonChecked(int id) const { return window_ ? window_->CheckState(id) : 0; }

void CDialog::SetIcon(int imageId) {
  if (window_) window_->SetIcon(imageId);
}

void CDialog::AppendSystemMenuSeparator() {
  if (window_) window_->AppendSystemMenuSeparator();
}

void CDialog::AppendSystemMenuItem(int commandId, const std::string& text) {
  if (window_) window_->AppendSystemMenuItem(commandId, text);
}

int CDialog::ShowOpenFileDialog(const OpenFileRequest& request, std::string& chosenPath) {
  return backEnd_.ShowOpenFileDialog(*this, request, chosenPath);
}

bool CDialog::OpenWindow(DialogWindow& window) {
  window_ = &window;
  return OnInitDialog();
}

void CDialog::CloseWindow() { window_ = nullptr; }

}  // namespace platform
