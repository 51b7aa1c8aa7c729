#pragma once
// A modal dialog built from a template (CDialog): opening, data exchange, the default and
// cancel commands, and command routing by control id. The dialog's state lives in the derived
// class's members; the window (DialogWindow, from a back end) only exists while the dialog
// runs. Window operations made while no window exists do nothing and read as empty.
#include <string>

#include "platform/dialog/DataExchange.h"
#include "platform/dialog/DialogBackEnd.h"
#include "platform/dialog/DialogTemplate.h"
#include "platform/dialog/DialogWindow.h"

namespace platform {

class CDialog {
 public:
  CDialog(const DialogTemplate& dialogTemplate, DialogBackEnd& backEnd);
  virtual ~CDialog() = default;
  CDialog(const CDialog&) = delete;
  CDialog& operator=(const CDialog&) = delete;

  // Runs the dialog modally through its back end; returns what it ended with (IDOK, IDCANCEL).
  int DoModal();

  const DialogTemplate& Template() const { return template_; }
  DialogBackEnd& BackEnd() const { return backEnd_; }
  DialogWindow* Window() const { return window_; }

  // Called once the window exists, before it is shown. The base moves the members into the
  // controls. Returning true puts the focus on the first tab stop.
  virtual bool OnInitDialog();

  // Lists the exchanges between controls and members; the base has none.
  virtual void DoDataExchange(CDataExchange& dx);

  // true: controls to members; false: members to controls. False when no window exists.
  bool UpdateData(bool saveAndValidate = true);

  // The default button: store the controls into the members, then end with IDOK.
  virtual void OnOK();
  // Escape and the close box: end with IDCANCEL, storing nothing.
  virtual void OnCancel();
  void EndDialog(int result);

  // A click of control `controlId`: the derived class's command table first, then the
  // framework's IDOK and IDCANCEL.
  void OnCommand(int controlId);
  // An item of the system menu was chosen; the base does nothing.
  virtual void OnSysCommand(int commandId);

  void SetWindowText(const std::string& text);
  std::string GetWindowText() const;
  void SetDlgItemText(int id, const std::string& text);
  std::string GetDlgItemText(int id) const;
  // Checks `checkId` and clears every other radio button whose id lies in firstId..lastId.
  void CheckRadioButton(int firstId, int lastId, int checkId);
  int IsDlgButtonChecked(int id) const;
  void SetIcon(int imageId);
  void AppendSystemMenuSeparator();
  void AppendSystemMenuItem(int commandId, const std::string& text);

  // The Open file dialog over this dialog: IDOK with the chosen path, or IDCANCEL.
  int ShowOpenFileDialog(const OpenFileRequest& request, std::string& chosenPath);

  // For back ends: attaches the new window and runs OnInitDialog (returning its answer), and
  // detaches the window once the modal run is over.
  bool OpenWindow(DialogWindow& window);
  void CloseWindow();

 protected:
  // The command table lookup; true when a handler ran.
  virtual bool OnCmdMsg(int controlId);

 private:
  const DialogTemplate& template_;
  DialogBackEnd& backEnd_;
  DialogWindow* window_ = nullptr;
};

}  // namespace platform
