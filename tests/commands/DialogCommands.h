#pragma once
// The main dialog opened on the in-memory back end over a fresh temporary folder, with the
// message boxes and the desktop's "open" recorded: the tests play the user by control id.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestFiles.h"
#include "app/CMelvaneDlg.h"
#include "platform/testing/MemoryDialogBackEnd.h"
#include "platform/testing/MemorySettingsStore.h"
#include "platform/testing/Recorders.h"
#include "resources/ResourceIds.h"

class DialogCommands : public ::testing::Test {
 protected:
  testsupport::TempFolder folder;
  platform::testing::MessageRecorder messages;
  platform::testing::ShellOpenRecorder opened;
  platform::testing::MemoryDialogBackEnd backEnd;
  platform::testing::MemorySettingsStore settingsStore;
  CMelvaneDlg dialog{backEnd, settingsStore};
  platform::testing::MemoryDialogWindow* window = nullptr;

  void SetUp() override { window = &backEnd.Open(dialog); }

  // The selected song, as "Select Song File" leaves it (the path has no control of its own).
  void Select(const std::string& name) { dialog.songPath = folder / name; }
  void Type(int edit, const std::string& text) { ASSERT_TRUE(window->Type(edit, text)); }
  void Press(int control) { ASSERT_TRUE(window->Press(control)); }
  // Leaves a check box checked or not, clicking it when it is the other way.
  void Check(int box, bool checked) {
    if ((window->CheckState(box) != 0) != checked) Press(box);
  }
  bool Exists(const std::string& name) const { return testsupport::FileExists(folder / name); }
  std::string Read(const std::string& name) const { return testsupport::ReadFileBytes(folder / name); }
  const std::vector<std::string>& Messages() const { return messages.Messages(); }
};
