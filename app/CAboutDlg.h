#pragma once
// The About box (template 100): the icon, "Melvane Version 1.0" and one more line; "OK" closes
// it. It has no data and no commands of its own.
#include "platform/dialog/CDialog.h"

class CAboutDlg : public platform::CDialog {
 public:
  explicit CAboutDlg(platform::DialogBackEnd& backEnd);
};
