// The web page (HTML) commands: one song, a set list, and the composite page.
#include "app/CMelvaneDlg.h"

// "Create Web Page (HTML)": write the HTML page of the selected song.
void CMelvaneDlg::OnCreateWebPage() {}

// "View Web Page": open that HTML page.
void CMelvaneDlg::OnViewWebPage() {}

// "Create HTML Files From Set List": write an HTML page for every song of the set list.
void CMelvaneDlg::OnCreateHtmlFromSetList() {}

// "Create Composite HTML": write one HTML document holding every song of the set list.
void CMelvaneDlg::OnCreateCompositeHtml() {}

// "View Composite HTML": open the composite HTML document.
void CMelvaneDlg::OnViewCompositeHtml() {}
