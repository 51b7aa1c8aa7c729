#include <gtest/gtest.h>

#include "TestFiles.h"
#include "platform/testing/FaultPlan.h"
#include "songtext/BufferedOutput.h"
#include "songtext/TextFile.h"
#include "songtext/Transpose.h"

using platform::FileOperation;
using platform::testing::FaultPlan;
using testsupport::ReadFileBytes;
using testsupport::TempFolder;

TEST(TransposeLine, WritesEachRewrittenLineWithCrLfAndNothingForAnEmptyLine) {
  TempFolder folder;
  const std::string path = folder / "out.tmp";
  TextFile file;
  ASSERT_EQ(file.OpenForWriting(path), 0);
  BufferedOutput output(file);
  EXPECT_EQ(TransposeLine("G C D", 2, output, 0), 0);
  EXPECT_EQ(TransposeLine("", 2, output, 0), 0);
  EXPECT_EQ(TransposeLine("Amazing _G grace", 2, output, 0), 0);
  ASSERT_EQ(output.Flush(), 0);
  ASSERT_EQ(file.CloseHandle(), 0);
  EXPECT_EQ(ReadFileBytes(path), "A D E\r\nAmazing _A grace\r\n");
}

TEST(TransposeLine, ReturnsTheFailedWriteStatusFromThenOn) {
  TempFolder folder;
  TextFile file;
  ASSERT_EQ(file.OpenForWriting(folder / "out.tmp"), 0);
  BufferedOutput output(file);
  FaultPlan faults;
  faults.FailNth(FileOperation::Write, 1);
  EXPECT_EQ(TransposeLine("G C D", 2, output, 0), 0);
  testing::internal::CaptureStdout();
  EXPECT_NE(output.Flush(), 0);
  testing::internal::GetCapturedStdout();
  EXPECT_NE(TransposeLine("G C D", 2, output, 0), 0);
  EXPECT_NE(output.Flush(), 0);  // nothing more is written after a failed write
  file.CloseHandle();
}
