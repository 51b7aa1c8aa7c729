#pragma once
// The web page (HTML) commands' shared step: one song's page in the dialog's format.
#include <string>

class CMelvaneDlg;

// Writes the web page of the song at `songPath` (WriteHtmlPage: base + ".html" beside the
// song) in the format of the dialog's members; the caller has run UpdateData. Checks in this
// order, the first failure showing its message and ending the call with nothing written:
// the lyric size, then the chord size, read as atoi reads them, must be 0 or 6 to 22 ("The
// lyric font size must be between 6 and 22", "The chord font size must be between 6 and 22");
// the number at the start of the line height, read as "%f" reads it, must be from 1.0 to 3.0
// ("The line height must be from 1.0 to 3.0."), whether or not Line Space is checked. The
// page gets the line height text as typed. Returns true when the writer ran (whatever it
// returned; it reports its own failures), false when a check failed.
bool CreateWebPage(const CMelvaneDlg& dialog, const std::string& songPath);
