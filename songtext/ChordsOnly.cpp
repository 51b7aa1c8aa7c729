#include "songtext/ChordsOnly.h"

#include "platform/Console.h"
#include "platform/Messages.h"
#include "songtext/ChordLine.h"
#include "songtext/LineReader.h"
#include "songtext/PathHelpers.h"
#include "songtext/TextFile.h"

namespace {

bool IsHeading(const std::string& line) {
  return line.find("Chorus") != std::string::npos || line.find("Verse") != std::string::npos ||
         line.find("--------") != std::string::npos;
}

}  // namespace

std::string ChordsFileName(const std::string& songPath) {
  // Only the file name counts: a folder called "my-chords" must not make every song its own
  // sheet.
  std::size_t slash = songPath.rfind('/');
  std::string fileName = slash == std::string::npos ? songPath : songPath.substr(slash + 1);
  if (fileName.find("-chords") != std::string::npos) return songPath;
  std::size_t dot = songPath.rfind('.');
  bool hasExtension = dot != std::string::npos && dot != 0 && (slash == std::string::npos || dot > slash);
  if (!hasExtension) return songPath;
  std::string extension = songPath.substr(dot + 1);
  return songPath.substr(0, dot) + "-chords." + (IsTxtExtension(extension) ? extension : std::string("txt"));
}

int WriteChordsOnly(SongContext& context, const std::string& songPath, const std::string& sheetPath,
                    int* nonEmptyLines) {
  TextFile song;
  if (int status = song.OpenForReading(songPath)) return status;
  LineReader reader(song.Handle());
  reader.path = songPath;
  context.outputPath = sheetPath;

  // The song is held open for reading, so a sheet path that is the song itself is refused
  // here and the song keeps its text.
  TextFile sheet;
  if (sheet.OpenForWriting(sheetPath) != 0) {
    platform::WriteStdoutLine("Error opening file " + sheetPath);
    return kChordsSheetCannotBeCreated;
  }

  int counted = 0;
  std::string line;
  while (reader.ReadLine(line)) {
    int status = 0;
    if (line.empty()) {
      status = sheet.WriteCrLf();
    } else {
      if (counted == 0 || IsChordLine(line) || IsHeading(line)) status = sheet.WriteLine(line);
      ++counted;
    }
    if (status != 0) {
      platform::ShowFormattedMessage("Error writing to file %s", {sheetPath});
      return kChordsSheetWriteFailed;
    }
  }
  if (sheet.CloseHandle() != 0) {
    platform::ShowFormattedMessage("Error writing to file %s", {sheetPath});
    return kChordsSheetWriteFailed;
  }
  song.Close();
  if (reader.ReadFailed()) {
    platform::ShowFormattedMessage("Error opening file %s for reading", {songPath});
    return TextFile::kReadEndedEarly;
  }
  if (nonEmptyLines != nullptr) *nonEmptyLines = counted;
  return 0;
}
