#include "qt/QtDialogBackEnd.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QTimer>

#include "qt/DisplayText.h"
#include "qt/QtDialogWindow.h"

int QtDialogBackEnd::RunModal(platform::CDialog& dialog) {
  QtDialogWindow window(dialog, QApplication::activeModalWidget());
  if (dialog.OpenWindow(window)) window.FocusFirstTabStop();
  if (!window.HasEnded()) {
    if (openedHandler_) {
      WindowHandler handler = openedHandler_;
      QTimer::singleShot(0, &window, [handler, &window] { handler(window); });
    }
    window.exec();
  }
  dialog.CloseWindow();
  window.DetachDialog();
  // A window that closed without the dialog ending it (the application quitting) cancelled.
  return window.HasEnded() ? window.EndResult() : platform::IDCANCEL;
}

int QtDialogBackEnd::ShowOpenFileDialog(platform::CDialog& parent, const platform::OpenFileRequest& request,
                                        std::string& chosenPath) {
  auto* parentWindow = dynamic_cast<QtDialogWindow*>(parent.Window());
  QFileDialog fileDialog(parentWindow ? static_cast<QWidget*>(parentWindow)
                                      : QApplication::activeModalWidget());
  fileDialog.setOption(QFileDialog::DontUseNativeDialog);
  fileDialog.setAcceptMode(QFileDialog::AcceptOpen);
  fileDialog.setFileMode(QFileDialog::AnyFile);
  fileDialog.setNameFilter(ToDisplayText(request.filter));
  fileDialog.setFilter(fileDialog.filter() & ~QDir::CaseSensitive);
  fileDialog.setDefaultSuffix(ToDisplayText(request.defaultExtension));
  if (!request.initialPath.empty()) {
    fileDialog.selectFile(QFile::decodeName(QByteArray::fromStdString(request.initialPath)));
  }
  if (fileDialogHandler_) {
    FileDialogHandler handler = fileDialogHandler_;
    QTimer::singleShot(0, &fileDialog, [handler, &fileDialog] { handler(fileDialog); });
  }
  if (fileDialog.exec() != QDialog::Accepted) return platform::IDCANCEL;
  QStringList chosen = fileDialog.selectedFiles();
  if (chosen.isEmpty()) return platform::IDCANCEL;
  chosenPath = QFile::encodeName(chosen.first()).toStdString();
  return platform::IDOK;
}
