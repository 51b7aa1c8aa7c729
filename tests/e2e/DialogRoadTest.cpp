// The window build on the dialog road without a display: one line and status 2, never Qt's
// abort.
#include <gtest/gtest.h>

#include "RunProgram.h"
#include "TestFiles.h"

TEST(DialogRoad, WithoutADisplaySaysSoAndExitsWithTwo) {
  testsupport::TempFolder folder;
  e2e::ProgramRun run = e2e::RunProgram(MELVANE_PROGRAM, {"Grace.txt"}, folder.Path());
  EXPECT_EQ(run.exitStatus, 2);
  EXPECT_EQ(run.standardError,
            "melvane: no display to open the window on; run the batch instead, for example melvane -h "
            "'songs/*.txt'\n");
}
