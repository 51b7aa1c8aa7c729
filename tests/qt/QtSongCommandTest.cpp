// A song command in the real window (offscreen): the song named on the command line is
// transposed by clicking, as a user would.
#include <gtest/gtest.h>

#include <QTest>

#include "QtDialogRun.h"
#include "TestFiles.h"
#include "app/CMelvaneDlg.h"
#include "platform/testing/MemorySettingsStore.h"
#include "resources/ResourceIds.h"

TEST(QtSongCommand, ClickingTransposeRewritesTheCommandLineSong) {
  testsupport::TempFolder folder;
  std::string song = folder.Write("Grace.txt", "Amazing Grace\nG C D\nAmazing grace\n");
  QtDialogRun run;
  platform::testing::MemorySettingsStore settings;
  CMelvaneDlg dialog{run.backEnd, settings};
  dialog.songPath = song;
  run.Then([](QtDialogWindow& window) {
    QTest::mouseClick(window.Control(kFirstStepRadio + 2), Qt::LeftButton);  // "3"
    QTest::mouseClick(window.Control(kDisplaySharpsRadio), Qt::LeftButton);
    QTest::mouseClick(window.Control(kTransposeSongFileButton), Qt::LeftButton);
  });
  dialog.DoModal();
  EXPECT_EQ(testsupport::ReadFileBytes(song), "Amazing Grace\r\nA# D# F\r\nAmazing grace\r\n");
  EXPECT_EQ(testsupport::ReadFileBytes(folder / "Grace.bak"), "Amazing Grace\nG C D\nAmazing grace\n");
}
