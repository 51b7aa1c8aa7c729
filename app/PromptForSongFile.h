#pragma once
// The Open file dialog of "Select Song File".
#include <string>

#include "platform/dialog/CDialog.h"

// Shows the Open file dialog over `parent` with the one filter " Files (*.txt)" and the
// default extension "txt" (a new name is accepted). A `path` that names nothing on disk is
// emptied first, and stays empty even when the user cancels. On IDOK `path` becomes the chosen
// path with its extension replaced by "txt" (an extension that already reads "txt" in any
// letter case is kept as written). Returns the dialog's result, IDOK or IDCANCEL.
int PromptForSongFile(platform::CDialog& parent, std::string& path);
