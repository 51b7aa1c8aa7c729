#pragma once
// The main dialog opened on the in-memory back end with a song of a temporary folder selected
// (as if named on the command line); messages and desktop "open" requests are recorded, and
// the diagnostic lines on standard output are captured while a button runs.
#include <gtest/gtest.h>

#include <string>

#include "TestFiles.h"
#include "app/CMelvaneDlg.h"
#include "platform/testing/MemoryDialogBackEnd.h"
#include "platform/testing/MemorySettingsStore.h"
#include "platform/testing/Recorders.h"
#include "resources/ResourceIds.h"

class SongCommandFixture : public ::testing::Test {
 protected:
  testsupport::TempFolder folder;
  platform::testing::MemoryDialogBackEnd backEnd;
  platform::testing::MemorySettingsStore settings;
  platform::testing::MessageRecorder messages;
  platform::testing::ShellOpenRecorder opened;
  CMelvaneDlg dialog{backEnd, settings};
  platform::testing::MemoryDialogWindow* window = nullptr;

  // Opens the dialog with `song` selected; an empty name selects nothing.
  void Open(const std::string& song) {
    dialog.songPath = song;
    window = &backEnd.Open(dialog);
    messages.Clear();
  }

  // Presses a button, keeping what it writes on standard output.
  std::string Press(int id) {
    testing::internal::CaptureStdout();
    window->Press(id);
    return testing::internal::GetCapturedStdout();
  }
};
