// The song commands: transpose, re-spell, and the chords-only sheet.
#include "app/CMelvaneDlg.h"

// "Transpose Song File": move every chord of the selected song by the chosen step.
void CMelvaneDlg::OnTransposeSongFile() {}

// "Convert Sharps/Flats": re-spell the selected song without changing its key.
void CMelvaneDlg::OnConvertSharpsFlats() {}

// "Create Chords Only": write the chords-only sheet and select it.
void CMelvaneDlg::OnCreateChordsOnly() {}

// "View Chords Only": open the chords-only sheet.
void CMelvaneDlg::OnViewChordsOnly() {}
