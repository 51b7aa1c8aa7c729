// Song text as a Word document carries it, the way it reaches the file, and the paragraph
// spacing taken from the line height.
#include <gtest/gtest.h>

#include <cerrno>
#include <string>

#include "TestFiles.h"
#include "platform/testing/FaultPlan.h"
#include "rtf/EscapeRtf.h"
#include "rtf/RtfDocumentOutput.h"
#include "rtf/RtfSpacingText.h"
#include "songtext/TextFile.h"

using platform::FileOperation;
using platform::testing::FaultPlan;
using testsupport::ReadFileBytes;
using testsupport::TempFolder;

namespace {

std::string Escaped(std::string_view text) {
  std::string out;
  AppendEscapedRtf(out, text);
  return out;
}

}  // namespace

TEST(RtfSpacingText, DropsTheFractionAfterSinglePrecisionSteps) {
  struct Case {
    const char* lineHeight;
    const char* spacing;
  };
  const Case cases[] = {
      {"1.0", "40"}, {"1.5", "140"}, {"2.0", "240"}, {"3.0", "440"}, {"1.25", "90"}, {"0.5", "-60"},
      // 1.3 is 259.99999 when multiplied in double precision, exactly 260 in single.
      {"1.3", "100"},
      // 1.05 stays just below 210 in single precision too; the fraction is cut, not rounded.
      {"1.05", "49"},
      // "%f" reading: leading blanks, a sign, a plain decimal; the rest is ignored.
      {"  2", "240"}, {"1.5abc", "140"}, {".5", "-60"}, {"-1", "-360"}, {"15e-1", "140"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.lineHeight);
    EXPECT_EQ(RtfSpacingText(c.lineHeight), c.spacing);
  }
}

TEST(RtfSpacingText, UnreadableOrOutOfRangeHeightCountsAsANormalLine) {
  for (const char* lineHeight : {"abc", "", " ", ".", "-", "inf", "nan", "1e38", "-1e38"}) {
    SCOPED_TRACE(lineHeight);
    EXPECT_EQ(RtfSpacingText(lineHeight), "40");
  }
}

TEST(EscapeRtf, SongTextBecomesPureAsciiThatCannotBreakTheMarkup) {
  struct Case {
    const char* name;
    std::string text;
    std::string escaped;
  };
  const Case cases[] = {
      {"plain letters, digits and punctuation", "Amazing grace (1779)!", "Amazing\\~grace\\~(1779)!"},
      {"markup characters", "{a}\\b\\", "\\{a\\}\\\\b\\\\"},
      {"a control word cannot be formed", "\\par x", "\\\\par\\~x"},
      {"tabs and other ASCII stay", "a\tb\x01~", "a\tb\x01~"},
      {"accented letters", "Caf\xC3\xA9 \xC3\xBC" "ber Stra\xC3\x9F" "e",
       "Caf\\u233?\\~\\u252?ber\\~Stra\\u223?e"},
      {"dash and quotes", "\xE2\x80\x94\xE2\x80\x9Cx\xE2\x80\x9D", "\\u8212?\\u8220?x\\u8221?"},
      {"above U+7FFF the unit is negative", "\xEF\xBC\xA1", "\\u-223?"},
      {"above U+FFFF a surrogate pair", "\xF0\x9D\x84\x9E\xF0\x9F\x98\x80",
       "\\u-10188?\\u-8930?\\u-10179?\\u-8704?"},
      {"invalid UTF-8 is Windows-1252", "there\x92s \xE9t\xE9", "there\\u8217?s\\~\\u233?t\\u233?"},
      {"a NUL byte becomes the replacement character", std::string("a\0b", 3), "a\\u-3?b"},
      {"C1 controls become the replacement character", "\x81\xC2\x85", "\\u-3?\\u-3?"},
      {"a truncated sequence at the end", "ok\xC3", "ok\\u195?"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Escaped(c.text), c.escaped);
  }
}

TEST(RtfDocumentOutput, WritesALongTextInPiecesThatJoinUp) {
  TempFolder folder;
  std::string text;
  std::string escaped;
  while (text.size() < 3 * RtfDocumentOutput::kPieceSize) {
    text += "Gr\xC3\xBC\xC3\x9F" "e {mehr} \\ \xF0\x9D\x84\x9E ";
    escaped += "Gr\\u252?\\u223?e\\~\\{mehr\\}\\~\\\\\\~\\u-10188?\\u-8930?\\~";
  }
  FaultPlan counter;
  TextFile document;
  ASSERT_EQ(document.OpenForWriting(folder / "song.rtf"), 0);
  RtfDocumentOutput output(document);
  output.Markup("{");
  output.SongText(text);
  output.Markup("}");
  EXPECT_EQ(output.Flush(), 0);
  document.CloseHandle();
  EXPECT_EQ(ReadFileBytes(folder / "song.rtf"), "{" + escaped + "}");
  EXPECT_GE(counter.Count(FileOperation::Write), 4);
}

TEST(RtfDocumentOutput, WritesNothingMoreAfterAFailedWrite) {
  TempFolder folder;
  TextFile document;
  ASSERT_EQ(document.OpenForWriting(folder / "song.rtf"), 0);
  FaultPlan faults;
  faults.FailNth(FileOperation::Write, 1, ENOSPC);
  RtfDocumentOutput output(document);
  output.SongText(std::string(RtfDocumentOutput::kPieceSize, 'a'));
  int status = output.Status();
  EXPECT_NE(status, 0);
  output.Markup(std::string(RtfDocumentOutput::kPieceSize, 'b'));
  EXPECT_EQ(output.Flush(), status);
  EXPECT_EQ(faults.Count(FileOperation::Write), 1);
  document.CloseHandle();
  EXPECT_EQ(ReadFileBytes(folder / "song.rtf"), "");
}
