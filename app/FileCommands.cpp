// The file commands: choose the song, edit it, copy it under a new name, open the help page.
#include "app/CMelvaneDlg.h"

// "Select Song File": choose the song with the Open file dialog, show it, remember it.
void CMelvaneDlg::OnSelectSongFile() {}

// "Edit Text": open the selected song in the user's editor.
void CMelvaneDlg::OnEditText() {}

// "Copy File": copy the selected song under a new name and select the copy.
void CMelvaneDlg::OnCopyFile() {}

// "Help": open the help page on the maker's site.
void CMelvaneDlg::OnHelpButton() {}
