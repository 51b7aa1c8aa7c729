#pragma once
// The Qt window of one dialog: a fixed-size QDialog whose widgets are built from the dialog's
// template, placed by dialog units of the default font, in template order (which is also the
// tab order; the radio buttons of one group are one tab stop). Push buttons, check boxes and
// radio buttons send their clicks to the dialog as commands; Enter presses the default button,
// Escape and the close box send the dialog's Cancel; the context menu is the system menu.
#include <QDialog>
#include <QString>
#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "platform/dialog/CDialog.h"
#include "qt/DialogUnits.h"

class QButtonGroup;
class QContextMenuEvent;

class QtDialogWindow final : public QDialog, public platform::DialogWindow {
 public:
  QtDialogWindow(platform::CDialog& dialog, QWidget* parent);

  // The widget of the control with this id, or nullptr.
  QWidget* Control(int id) const;
  // The widget of the template's control at this position (labels and frames included).
  QWidget* ControlAt(std::size_t templateIndex) const;
  // The button group of a radio button, or nullptr.
  QButtonGroup* RadioGroup(int id) const;
  DialogBaseUnits BaseUnits() const { return units_; }

  // Puts the focus on the first tab stop of the template.
  void FocusFirstTabStop();
  bool HasEnded() const { return ended_; }
  int EndResult() const { return endResult_; }
  // The modal run is over: clicks no longer reach the dialog.
  void DetachDialog() { dialog_ = nullptr; }

  // platform::DialogWindow
  std::string ControlText(int id) const override;
  void SetControlText(int id, const std::string& text) override;
  int CheckState(int id) const override;
  void SetCheckState(int id, int state) override;
  std::string WindowText() const override;
  void SetWindowText(const std::string& text) override;
  void SetIcon(int imageId) override;
  void AppendSystemMenuSeparator() override;
  void AppendSystemMenuItem(int commandId, const std::string& text) override;
  void EndDialog(int result) override;

  // Escape and the close box (QDialog's reject) and QDialog's accept become the dialog's
  // Cancel and OK commands, so the dialog decides whether and how it closes.
  void reject() override;
  void accept() override;

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  struct MenuItem {
    int commandId;  // 0 for a separator
    QString text;
  };
  // The bytes last put into a control with the text shown for them, so that a text the user
  // did not change reads back as the very same bytes (invalid UTF-8 included).
  struct ShownText {
    std::string bytes;
    QString text;
  };

  void BuildControls();
  void SendCommand(int id);
  QString WidgetText(int id) const;

  platform::CDialog* dialog_;
  const platform::DialogTemplate& template_;
  DialogBaseUnits units_;
  std::vector<QWidget*> widgets_;  // by template position
  std::map<int, QWidget*> byId_;
  std::map<int, QButtonGroup*> radioGroups_;
  std::map<int, ShownText> shown_;
  std::vector<MenuItem> systemMenu_;
  bool ended_ = false;
  int endResult_ = platform::IDCANCEL;
};
