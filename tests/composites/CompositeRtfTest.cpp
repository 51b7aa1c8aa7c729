// Joining song documents into one composite Word document, on small hand-made documents.
#include <gtest/gtest.h>

#include <cerrno>

#include "TestFiles.h"
#include "platform/testing/FaultPlan.h"
#include "platform/testing/Recorders.h"
#include "rtf/CompositeRtf.h"

using platform::testing::MessageRecorder;
using testsupport::ReadFileBytes;
using testsupport::TempFolder;

namespace {

// A song document as the writer lays it out: head lines, set-up, the empty line, body, "}".
std::string Document(const std::string& body) {
  return "{\\rtf1\\ansi\n{\\fonttbl}\n.CHORD;}\n\\deftab1134\\sectd\n\\headery720\\plain\\f0\\fs24 \n\n" + body + "}";
}

const std::string kHead = "{\\rtf1\\ansi\r\n{\\fonttbl}\r\n.CHORD;}\r\n\\deftab1134\\sectd\r\n\\headery720\\plain\\f0\\fs24 \r\n\r\n";

struct CompositeFixture : ::testing::Test {
  TempFolder folder;
  MessageRecorder messages;

  int Build(const std::string& setList, const std::string& name = "Friday") {
    folder.Write(name + ".txt", setList);
    return WriteCompositeRtf(folder / (name + ".txt"), folder.Path().string(), folder / (name + ".rtf"));
  }
  std::string Composite(const std::string& name = "Friday") { return ReadFileBytes(folder / (name + ".rtf")); }
};

}  // namespace

TEST_F(CompositeFixture, FirstDocumentWholeThenPageAndBodyOfEachLaterOne) {
  folder.Write("Grace.rtf", Document("{\\b G}\\line\nAmazing\\~grace\\line\n"));
  folder.Write("hymns/Abide.rtf", Document("{\\b C}\\line\nAbide\\line\n"));
  EXPECT_EQ(Build("Grace\nhymns\\Abide.txt"), 0);
  EXPECT_EQ(Composite(), kHead + "{\\b G}\\line\r\nAmazing\\~grace\\line\r\n\\page\r\n{\\b C}\\line\r\nAbide\\line\r\n}");
  EXPECT_TRUE(messages.Messages().empty());
}

TEST_F(CompositeFixture, MissingDocumentsAreSkippedAndTheFirstThatOpensSuppliesTheHead) {
  folder.Write("Abide.rtf", Document("Abide\\line\n"));
  folder.Write("Grace.rtf", Document("Grace\\line\n"));
  EXPECT_EQ(Build("\nMissing\nAbide\nGone\nGrace\n"), 0);
  EXPECT_EQ(Composite(), kHead + "Abide\\line\r\n\\page\r\nGrace\\line\r\n}");
  EXPECT_TRUE(messages.Messages().empty());
}

TEST_F(CompositeFixture, EdgeLists) {
  folder.Write("Grace.rtf", Document("Grace\\line\n}brace lyric\\line\n"));
  struct Case {
    const char* name;
    const char* setList;
    std::string composite;
  };
  const Case cases[] = {
      {"empty set list", "", "}"},
      {"one entry, no final line break", "Grace", kHead + "Grace\\line\r\n}"},
      {"byte-order mark before the first entry", "\xEF\xBB\xBFGrace\r\n", kHead + "Grace\\line\r\n}"},
      {"the composite itself is never copied into itself", "Friday\nGrace\n", kHead + "Grace\\line\r\n}"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Build(c.setList), 0);
    EXPECT_EQ(Composite(), c.composite);
  }
}

TEST_F(CompositeFixture, MissingSetListIsReportedAndTheOldCompositeKept) {
  folder.Write("Friday.rtf", "old composite");
  EXPECT_EQ(WriteCompositeRtf(folder / "Friday.txt", folder.Path().string(), folder / "Friday.rtf"), 1);
  EXPECT_EQ(messages.Messages(),
            std::vector<std::string>{"Error opening list file " + (folder / "Friday.txt") + " for read."});
  EXPECT_EQ(Composite(), "old composite");
}

TEST_F(CompositeFixture, CompositeThatCannotBeCreatedOrWrittenIsReported) {
  folder.Write("Grace.rtf", Document("Grace\\line\n"));
  folder.Write("Friday.txt", "Grace\n");
  EXPECT_EQ(WriteCompositeRtf(folder / "Friday.txt", folder.Path().string(), folder / "no/Friday.rtf"), 2);
  EXPECT_EQ(messages.Messages().back(), "Error opening rtf file " + (folder / "no/Friday.rtf") + " for write.");

  platform::testing::FaultPlan faults;
  faults.FailNth(platform::FileOperation::Write, 3, ENOSPC);
  EXPECT_EQ(Build("Grace\n"), 3);
  EXPECT_EQ(messages.Messages().back(), "Error writing to file " + (folder / "Friday.rtf"));
}
