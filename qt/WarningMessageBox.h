#pragma once
// The message sink of the window: a modal warning box with one OK button, captioned with the
// program's name, over the dialog that is open.
#include <string>

void ShowWarningMessageBox(const std::string& text);
