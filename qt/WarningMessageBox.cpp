#include "qt/WarningMessageBox.h"

#include <QApplication>
#include <QMessageBox>

#include "platform/Messages.h"
#include "qt/DisplayText.h"

void ShowWarningMessageBox(const std::string& text) {
  QMessageBox box(QMessageBox::Warning, ToDisplayText(platform::ProgramName()), ToDisplayText(text),
                  QMessageBox::Ok, QApplication::activeModalWidget());
  // A path may hold '<' or '&'; the text is never read as markup.
  box.setTextFormat(Qt::PlainText);
  box.exec();
}
