// The Word document (RTF) commands: one song, a set list, and the composite document.
#include "app/CMelvaneDlg.h"

// "Create Word Doc (RTF)": write the RTF document of the selected song.
void CMelvaneDlg::OnCreateWordDoc() {}

// "View Word Doc": open that RTF document.
void CMelvaneDlg::OnViewWordDoc() {}

// "Create RTF Files From Set List": write an RTF document for every song of the set list.
void CMelvaneDlg::OnCreateRtfFromSetList() {}

// "Create Composite RTF": write one RTF document holding every song of the set list.
void CMelvaneDlg::OnCreateCompositeRtf() {}

// "View Composite RTF": open the composite RTF document.
void CMelvaneDlg::OnViewCompositeRtf() {}
