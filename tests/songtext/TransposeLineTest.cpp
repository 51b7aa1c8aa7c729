#include <gtest/gtest.h>

#include "TestFiles.h"
#include "platform/testing/FaultPlan.h"
#include "songtext/TextFile.h"
#include "songtext/Transpose.h"

using platform::FileOperation;
using platform::testing::FaultPlan;
using testsupport::ReadFileBytes;
using testsupport::TempFolder;

TEST(TransposeLine, WritesEachRewrittenLineWithCrLfAndNothingForAnEmptyLine) {
  TempFolder folder;
  const std::string path = folder / "out.tmp";
  TextFile output;
  ASSERT_EQ(output.OpenForWriting(path), 0);
  EXPECT_EQ(TransposeLine("G C D", 2, output, 0), 0);
  EXPECT_EQ(TransposeLine("", 2, output, 0), 0);
  EXPECT_EQ(TransposeLine("Amazing _G grace", 2, output, 0), 0);
  ASSERT_EQ(output.CloseHandle(), 0);
  EXPECT_EQ(ReadFileBytes(path), "A D E\r\nAmazing _A grace\r\n");
}

TEST(TransposeLine, ReturnsTheFailedWriteStatus) {
  TempFolder folder;
  TextFile output;
  ASSERT_EQ(output.OpenForWriting(folder / "out.tmp"), 0);
  FaultPlan faults;
  faults.FailNth(FileOperation::Write, 1);
  testing::internal::CaptureStdout();
  EXPECT_NE(TransposeLine("G C D", 2, output, 0), 0);
  testing::internal::GetCapturedStdout();
  EXPECT_EQ(TransposeLine("G C D", 2, output, 0), 0);  // only the first write was made to fail
  output.CloseHandle();
}
