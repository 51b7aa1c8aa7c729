#include "qt/QtDialogWindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

#include "qt/DisplayText.h"
#include "qt/ResourcePixmaps.h"

using platform::ControlKind;
using platform::ControlTemplate;

QtDialogWindow::QtDialogWindow(platform::CDialog& dialog, QWidget* parent)
    : QDialog(parent), dialog_(&dialog), template_(dialog.Template()), units_(BaseUnitsFor(font())) {
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint);
  setWindowTitle(ToDisplayText(template_.caption));
  setFixedSize(MapDialogSize(template_.width, template_.height, units_));
  BuildControls();
}

void QtDialogWindow::BuildControls() {
  std::vector<QWidget*> tabStops;
  QButtonGroup* currentGroup = nullptr;
  bool groupIsTabStop = false;
  for (const ControlTemplate& control : template_.controls) {
    if (control.startsGroup) currentGroup = nullptr;
    QString caption = ToDisplayText(control.caption);
    QWidget* widget = nullptr;
    switch (control.kind) {
      case ControlKind::PushButton:
      case ControlKind::DefaultPushButton: {
        auto* button = new QPushButton(caption, this);
        button->setAutoDefault(true);
        button->setDefault(control.kind == ControlKind::DefaultPushButton);
        widget = button;
        break;
      }
      case ControlKind::RadioButton: {
        auto* button = new QRadioButton(caption, this);
        if (!currentGroup) {
          currentGroup = new QButtonGroup(this);
          currentGroup->setExclusive(true);
          groupIsTabStop = control.tabStop;
        }
        currentGroup->addButton(button);
        radioGroups_[control.id] = currentGroup;
        widget = button;
        break;
      }
      case ControlKind::CheckBox:
        widget = new QCheckBox(caption, this);
        break;
      case ControlKind::Edit: {
        auto* edit = new QLineEdit(this);
        edit->setFrame(true);
        widget = edit;
        break;
      }
      case ControlKind::Label: {
        auto* label = new QLabel(caption, this);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(false);
        Qt::Alignment horizontal =
            control.alignment == platform::TextAlignment::Right ? Qt::AlignRight : Qt::AlignLeft;
        label->setAlignment(horizontal | (control.verticallyCentred ? Qt::AlignVCenter : Qt::AlignTop));
        widget = label;
        break;
      }
      case ControlKind::GroupBox: {
        auto* frame = new QGroupBox(caption, this);
        // A frame is drawn around its neighbours, never in front of them.
        frame->setAttribute(Qt::WA_TransparentForMouseEvents);
        frame->setFocusPolicy(Qt::NoFocus);
        widget = frame;
        break;
      }
      case ControlKind::Picture: {
        auto* picture = new QLabel(this);
        picture->setAlignment(Qt::AlignCenter);
        widget = picture;
        break;
      }
    }
    QRect rect = MapDialogRect(control.rect, units_);
    widget->setGeometry(rect);
    if (control.kind == ControlKind::Picture) {
      QPixmap pixmap = LoadResourcePixmap(control.imageId);
      if (!pixmap.isNull()) {
        static_cast<QLabel*>(widget)->setPixmap(
            pixmap.scaled(rect.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
      }
    }

    bool takesFocus = control.kind == ControlKind::PushButton ||
                      control.kind == ControlKind::DefaultPushButton ||
                      control.kind == ControlKind::CheckBox || control.kind == ControlKind::Edit ||
                      control.kind == ControlKind::RadioButton;
    if (takesFocus) {
      // Qt lets Tab enter a radio group once, at its checked button; a group whose first
      // button is no tab stop is passed by.
      bool tabStop = control.kind == ControlKind::RadioButton ? groupIsTabStop : control.tabStop;
      widget->setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
      if (tabStop) tabStops.push_back(widget);
    }
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
      int id = control.id;
      connect(button, &QAbstractButton::clicked, this, [this, id] { SendCommand(id); });
    }
    widgets_.push_back(widget);
    if (control.id != platform::kNoControlId) byId_[control.id] = widget;
  }
  // Stacked as the dialog manager stacks them: the first control of the template on top, so
  // where two rectangles touch the earlier control keeps its edge, and frames lie beneath all.
  for (auto widget = widgets_.rbegin(); widget != widgets_.rend(); ++widget) (*widget)->raise();
  for (std::size_t i = 1; i < tabStops.size(); ++i) QWidget::setTabOrder(tabStops[i - 1], tabStops[i]);
}

void QtDialogWindow::SendCommand(int id) {
  if (dialog_ && !ended_) dialog_->OnCommand(id);
}

QWidget* QtDialogWindow::Control(int id) const {
  auto found = byId_.find(id);
  return found == byId_.end() ? nullptr : found->second;
}

QWidget* QtDialogWindow::ControlAt(std::size_t templateIndex) const {
  return templateIndex < widgets_.size() ? widgets_[templateIndex] : nullptr;
}

QButtonGroup* QtDialogWindow::RadioGroup(int id) const {
  auto found = radioGroups_.find(id);
  return found == radioGroups_.end() ? nullptr : found->second;
}

void QtDialogWindow::FocusFirstTabStop() {
  // Given before the window is shown, this focus is kept: QDialog otherwise hands it to the
  // default button when the first focusable control is a push button.
  for (std::size_t i = 0; i < template_.controls.size(); ++i) {
    QWidget* widget = widgets_[i];
    if (template_.controls[i].tabStop && (widget->focusPolicy() & Qt::TabFocus)) {
      widget->setFocus(Qt::TabFocusReason);
      return;
    }
  }
}

QString QtDialogWindow::WidgetText(int id) const {
  QWidget* widget = Control(id);
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) return edit->text();
  if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) return button->text();
  if (auto* frame = qobject_cast<QGroupBox*>(widget)) return frame->title();
  return {};
}

std::string QtDialogWindow::ControlText(int id) const {
  QString text = WidgetText(id);
  auto shown = shown_.find(id);
  if (shown != shown_.end() && shown->second.text == text) return shown->second.bytes;
  return FromDisplayText(text);
}

void QtDialogWindow::SetControlText(int id, const std::string& text) {
  QWidget* widget = Control(id);
  if (!widget) return;
  QString shown = ToDisplayText(text);
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
    edit->setText(shown);
  } else if (auto* label = qobject_cast<QLabel*>(widget)) {
    label->setText(shown);
    // A long path is cut at the label's edge; the whole of it shows when pointed at.
    label->setToolTip(shown);
  } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    button->setText(shown);
  } else if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
    frame->setTitle(shown);
  } else {
    return;
  }
  shown_[id] = ShownText{text, WidgetText(id)};
}

int QtDialogWindow::CheckState(int id) const {
  auto* button = qobject_cast<QAbstractButton*>(Control(id));
  return button && button->isCheckable() && button->isChecked() ? 1 : 0;
}

void QtDialogWindow::SetCheckState(int id, int state) {
  auto* button = qobject_cast<QAbstractButton*>(Control(id));
  if (!button || !button->isCheckable()) return;
  QButtonGroup* group = RadioGroup(id);
  if (group && state == 0 && button->isChecked()) {
    // An exclusive group refuses to clear its checked button; the data exchange may clear them all.
    group->setExclusive(false);
    button->setChecked(false);
    group->setExclusive(true);
    return;
  }
  button->setChecked(state != 0);
}

std::string QtDialogWindow::WindowText() const {
  auto shown = shown_.find(platform::kNoControlId);
  if (shown != shown_.end() && shown->second.text == windowTitle()) return shown->second.bytes;
  return FromDisplayText(windowTitle());
}

void QtDialogWindow::SetWindowText(const std::string& text) {
  setWindowTitle(ToDisplayText(text));
  shown_[platform::kNoControlId] = ShownText{text, windowTitle()};
}

void QtDialogWindow::SetIcon(int imageId) { setWindowIcon(LoadResourceIcon(imageId)); }

void QtDialogWindow::AppendSystemMenuSeparator() { systemMenu_.push_back(MenuItem{0, {}}); }

void QtDialogWindow::AppendSystemMenuItem(int commandId, const std::string& text) {
  systemMenu_.push_back(MenuItem{commandId, ToDisplayText(text)});
}

void QtDialogWindow::EndDialog(int result) {
  if (ended_) return;
  ended_ = true;
  endResult_ = result;
  // Before the modal run has begun (the dialog ended while opening) there is nothing to close;
  // the back end then does not start it.
  if (isVisible()) done(result);
}

void QtDialogWindow::reject() {
  if (dialog_ && !ended_) {
    dialog_->OnCommand(platform::IDCANCEL);
  } else if (!dialog_) {
    QDialog::reject();
  }
}

void QtDialogWindow::accept() {
  if (dialog_ && !ended_) {
    dialog_->OnCommand(platform::IDOK);
  } else if (!dialog_) {
    QDialog::accept();
  }
}

void QtDialogWindow::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
  for (const MenuItem& item : systemMenu_) {
    if (item.commandId == 0) {
      // The system menu's own entries stand above our separator; here nothing does.
      if (!menu.isEmpty()) menu.addSeparator();
      continue;
    }
    QAction* action = menu.addAction(item.text);
    action->setData(item.commandId);
  }
  if (menu.isEmpty()) {
    event->ignore();
    return;
  }
  QAction* chosen = menu.exec(event->globalPos());
  if (chosen && dialog_ && !ended_) dialog_->OnSysCommand(chosen->data().toInt());
}
