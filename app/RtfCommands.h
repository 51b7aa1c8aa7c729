#pragma once
// The Word document (RTF) commands' shared step: one song's document in the dialog's format.
#include <string>

class CMelvaneDlg;

// Writes the Word document of the song at `songPath` (WriteRtfDocument: base + ".rtf" beside
// the song) in the format the dialog's controls hold now; runs UpdateData first. The lyric
// size, then the chord size, must read (as atoi reads) 0 or 6 to 22; otherwise it shows "The
// lyric font size must be between 6 and 22" or "The chord font size must be between 6 and 22"
// (only the first refused one) and writes nothing. The line height and Lines In Column are
// taken as they are. The writer reports its own failures; its status is not looked at.
void CreateRtfForSong(CMelvaneDlg& dialog, const std::string& songPath);
