#include "songtext/ReplaceFromTemporary.h"

#include "platform/Console.h"
#include "platform/File.h"
#include "platform/Messages.h"

namespace {

int ReportCopyFailure(const std::string& from, const std::string& to, CopyDiagnostics diagnostics) {
  if (diagnostics == CopyDiagnostics::AlsoOnStandardOutput) platform::WriteStdoutLine("Error copying " + from + " to " + to);
  platform::ShowFormattedMessage("Error copying file %s to %s.", {from, to});
  return 2;
}

}  // namespace

int ReplaceFromTemporary(const std::string& temporaryPath, const std::string& targetPath, const std::string& backupPath,
                         CopyDiagnostics diagnostics) {
  if (platform::PathExists(targetPath) && platform::CopyFileOver(targetPath, backupPath) != 0) {
    return ReportCopyFailure(targetPath, backupPath, diagnostics);
  }
  if (platform::CopyFileOver(temporaryPath, targetPath) != 0) {
    return ReportCopyFailure(temporaryPath, targetPath, diagnostics);
  }
  platform::DeleteFileAt(temporaryPath);
  return 0;
}
