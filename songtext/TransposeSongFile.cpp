#include "songtext/TransposeSongFile.h"

#include "platform/Console.h"
#include "platform/File.h"
#include "platform/Messages.h"
#include "songtext/BufferedOutput.h"
#include "songtext/LineReader.h"
#include "songtext/PathHelpers.h"
#include "songtext/ReplaceFromTemporary.h"
#include "songtext/TextFile.h"
#include "songtext/Transpose.h"

namespace {

int ReportWriteFailure(const std::string& path) {
  platform::ShowFormattedMessage("Error writing to file %s", {path});
  return 3;
}

}  // namespace

int TransposeSongFile(SongContext& context, std::string songPath, int steps, int useSharps) {
  // An unreadable song is reported and nothing is written: an empty reader must never
  // become an empty song.
  TextFile song;
  if (int status = song.OpenForReading(songPath)) return status;
  LineReader reader(song.Handle());
  reader.path = songPath;

  const std::string base = SplitPathExtension(songPath).first;
  const std::string temporaryPath = base + ".tmp";
  const std::string backupPath = base + ".bak";
  context.outputPath = temporaryPath;

  // The song stays open for reading while the temporary file is created, so a song that is
  // its own temporary file (x.tmp) is refused here instead of truncated.
  TextFile temporary;
  if (temporary.OpenForWriting(temporaryPath) != 0) {
    platform::WriteStdoutLine("Error opening file " + temporaryPath);
    return 1;
  }

  BufferedOutput output(temporary);
  std::string line;
  while (reader.ReadLine(line)) {
    if (line.empty()) output.Append("\r\n");
    if (TransposeLine(line, steps, output, useSharps) != 0) return ReportWriteFailure(temporaryPath);
  }
  if (output.Flush() != 0 || temporary.CloseHandle() != 0) return ReportWriteFailure(temporaryPath);
  song.Close();
  if (reader.ReadFailed()) {
    platform::ShowFormattedMessage("Error opening file %s for reading", {songPath});
    return TextFile::kReadEndedEarly;
  }

  // The order matters: the new text is complete on disk, the backup is made, and only then
  // is the song replaced.
  return ReplaceFromTemporary(temporaryPath, songPath, backupPath, CopyDiagnostics::AlsoOnStandardOutput);
}
