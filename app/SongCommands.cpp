// The song commands: transpose, re-spell, and the chords-only sheet.
#include "app/CMelvaneDlg.h"
#include "platform/Messages.h"
#include "platform/ShellOpen.h"
#include "songtext/ChordsOnly.h"
#include "songtext/FormatSettings.h"
#include "songtext/PathHelpers.h"
#include "songtext/SongContext.h"
#include "songtext/TransposeSongFile.h"

namespace {

constexpr int kNoStepChecked = -1;

// The step radio index as semitones: "1".."7" are 0..6, "-1".."-7" are 7..13, none is 0.
// False for any other index.
bool StepsFromChoice(int stepChoice, int& steps) {
  if (stepChoice == kNoStepChecked) {
    steps = 0;
  } else if (stepChoice >= 0 && stepChoice <= 6) {
    steps = stepChoice + 1;
  } else if (stepChoice >= 7 && stepChoice <= 13) {
    steps = 6 - stepChoice;
  } else {
    return false;
  }
  return true;
}

}  // namespace

// "Transpose Song File": rewrites the selected song with every chord moved by the chosen step
// and spelled as chosen, keeping the old text as base + ".bak" (TransposeSongFile shows every
// failure). "Bad radio button index" for a step index outside the group; nothing happens with
// no song selected.
void CMelvaneDlg::OnTransposeSongFile() {
  UpdateData(true);
  int steps = 0;
  if (convertOnly == 0 && !StepsFromChoice(stepChoice, steps)) {
    platform::ShowMessage("Bad radio button index");
    return;
  }
  if (songPath.empty()) return;
  SongContext context;
  TransposeSongFile(context, songPath, steps, accidentalChoice);
}

// "Convert Sharps/Flats": re-spells the selected song in the chosen style, same key.
void CMelvaneDlg::OnConvertSharpsFlats() {
  convertOnly = 1;
  OnTransposeSongFile();
  convertOnly = 0;
}

// "Create Chords Only": writes the chords-only sheet of the selected song and selects the
// sheet (not remembered). A song that cannot be read, or a sheet whose writing failed half-way,
// leaves the selection as it was.
void CMelvaneDlg::OnCreateChordsOnly() {
  UpdateData(true);
  FormatSettings settings;
  settings.songPath = songPath;
  SongContext context;
  std::string sheetPath = ChordsFileName(songPath);
  int status = WriteChordsOnly(context, settings.songPath, sheetPath);
  if (status == 0 || status == kChordsSheetCannotBeCreated) {
    songPath = sheetPath;
    SetStatusLine(songPath);
  }
  UpdateData(false);
}

// "View Chords Only": hands the selected song's sheet (the song itself when it is a sheet) to
// the desktop's opener. A missing sheet shows nothing of ours.
void CMelvaneDlg::OnViewChordsOnly() {
  UpdateData(true);
  if (songPath.empty()) return;
  std::string sheetPath = ChordsFileName(songPath);
  platform::ShellOpen(sheetPath, PathDirectory(sheetPath));
}
