// The dialog road of the full build: the main dialog in a Qt window.
#include <QApplication>
#include <QString>
#include <string>
#include <vector>

#include "app/CMelvaneDlg.h"
#include "app/DialogRoad.h"
#include "platform/AbsolutePath.h"
#include "platform/Messages.h"
#include "platform/ShellOpen.h"
#include "qt/DesktopServicesOpener.h"
#include "qt/QtDialogBackEnd.h"
#include "qt/QtSettingsStore.h"
#include "qt/ResourcePixmaps.h"
#include "qt/WarningMessageBox.h"
#include "resources/ResourceIds.h"

namespace {

// True when Qt would look for a desktop display and none is named. Other platforms (offscreen,
// vnc, a frame buffer) need none.
bool LacksDisplay() {
  if (!qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
    return false;
  }
  QString platform = qEnvironmentVariable("QT_QPA_PLATFORM");
  return platform.isEmpty() || platform.startsWith(QLatin1String("xcb")) ||
         platform.startsWith(QLatin1String("wayland"));
}

}  // namespace

// Without a display Qt cannot start and aborts the process; say so in one line instead, as the
// console build does, and exit with 2.
int RunDialogRoad(const std::string& songPath, const char* programPath) {
  if (LacksDisplay()) {
    platform::ShowMessage(
        "no display to open the window on; run the batch instead, for example melvane -h 'songs/*.txt'");
    return 2;
  }
  // Qt is given only the program's path: the command line belongs to the program, and an
  // argument such as "-style" or "-reverse" must stay a song name or an option of ours.
  std::string program = programPath ? programPath : "melvane";
  std::vector<char> programArgument(program.begin(), program.end());
  programArgument.push_back('\0');
  int argc = 1;
  char* argv[] = {programArgument.data(), nullptr};
  QApplication application(argc, argv);
  QApplication::setWindowIcon(LoadResourceIcon(kAppIconId));
  QGuiApplication::setDesktopFileName(QStringLiteral("melvane"));

  platform::MessageSink previousSink = platform::SetMessageSink(ShowWarningMessageBox);
  platform::ShellOpener previousOpener = platform::SetShellOpener(OpenWithDesktopServices);

  QtSettingsStore settings;
  QtDialogBackEnd backEnd;
  CMelvaneDlg dialog(backEnd, settings);
  // A song named relative to where the program was started would otherwise be looked for
  // relative to wherever the file dialog or a document program happens to be.
  dialog.songPath = platform::MakeAbsolutePath(songPath);
  dialog.DoModal();

  // Nothing may reach a Qt box once the application is gone.
  platform::SetShellOpener(std::move(previousOpener));
  platform::SetMessageSink(std::move(previousSink));
  return 0;
}
