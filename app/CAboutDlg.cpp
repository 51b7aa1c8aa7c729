#include "app/CAboutDlg.h"

#include "resources/AboutDialogTemplate.h"

CAboutDlg::CAboutDlg(platform::DialogBackEnd& backEnd) : CDialog(AboutDialogTemplate(), backEnd) {}
