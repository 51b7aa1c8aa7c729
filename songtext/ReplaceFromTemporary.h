#pragma once
// The last step of every safe rewrite: a temporary file that holds the complete new text takes
// the place of the target, and the old target is kept as the backup first.
#include <string>

enum class CopyDiagnostics { MessageOnly, AlsoOnStandardOutput };

// Copies the existing target over `backupPath` (a first run has no target to keep), then the
// temporary file over the target, then deletes the temporary file (a failed delete is
// ignored). Returns 0, or 2 after "Error copying file %s to %s." (from, to) for the copy that
// failed — with AlsoOnStandardOutput also the line "Error copying <from> to <to>". The target
// is unchanged after a failure, and is replaced only once its old text is in the backup.
int ReplaceFromTemporary(const std::string& temporaryPath, const std::string& targetPath, const std::string& backupPath,
                         CopyDiagnostics diagnostics = CopyDiagnostics::MessageOnly);
