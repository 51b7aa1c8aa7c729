// Every command that rewrites a user's file, with a failure injected at each open, read,
// write, copy and delete it makes, in turn. After each: every song's old text is in the song
// or its backup, every document's old text in the document or its backup; the failure was
// told in exactly one message naming a file of the folder (a failed delete of a temporary
// file is the one failure that is passed over: the work is done, a stray .tmp stays).
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "TestFiles.h"
#include "app/CMelvaneDlg.h"
#include "app/CommandLineOptions.h"
#include "app/RunHtmlBatch.h"
#include "app/RunRtfBatch.h"
#include "platform/testing/FaultPlan.h"
#include "platform/testing/MemoryDialogBackEnd.h"
#include "platform/testing/MemorySettingsStore.h"
#include "platform/testing/Recorders.h"
#include "resources/ResourceIds.h"

using platform::FileOperation;
using testsupport::FileExists;
using testsupport::ReadFileBytes;
using testsupport::TempFolder;

namespace {

// The files a user keeps, with the backup that must hold their old text should they change.
const std::map<std::string, std::string> kKeptFiles = {
    {"Grace.txt", "Grace.bak"},           {"Abide.txt", "Abide.bak"},
    {"Grace.html", "Grace.html.bak"},     {"Abide.html", "Abide.html.bak"},
    {"Grace.rtf", "Grace.rtf.bak"},       {"Abide.rtf", "Abide.rtf.bak"},
};

void MakeFolder(const TempFolder& folder) {
  folder.Write("Grace.txt", "Amazing Grace\n\nG    C    G\nAmazing grace how sweet the sound\n");
  folder.Write("Abide.txt", "Abide With Me\n\nEb   Bb/D  Cm\nAbide with me, fast falls the eventide\n");
  folder.Write("Grace.html", "old page of Grace\n");
  folder.Write("Abide.html", "old page of Abide\n");
  folder.Write("Grace.rtf", "{\\rtf1 old document of Grace\n\n\\line\n}");
  folder.Write("Abide.rtf", "{\\rtf1 old document of Abide\n\n\\line\n}");
  folder.Write("SetList.txt", "Grace\nAbide\n");
}

struct Command {
  const char* name;
  int button;  // 0: not a button (the batch)
};

const Command kCommands[] = {
    {"Transpose Song File", kTransposeSongFileButton},
    {"Convert Sharps/Flats", kConvertSharpsFlatsButton},
    {"Create Chords Only", kCreateChordsOnlyButton},
    {"Copy File", kCopyFileButton},
    {"Create Word Doc (RTF)", kCreateWordDocButton},
    {"Create Web Page (HTML)", kCreateWebPageButton},
    {"Create RTF Files From Set List", kCreateRtfFromSetListButton},
    {"Create HTML Files From Set List", kCreateHtmlFromSetListButton},
    {"Create Composite RTF", kCreateCompositeRtfButton},
    {"Create Composite HTML", kCreateCompositeHtmlButton},
    {"web page batch", -1},
    {"Word document batch", -2},
};

// Runs one command on the folder; the messages it showed are recorded by the caller.
void RunCommand(const Command& command, const TempFolder& folder) {
  testing::internal::CaptureStdout();
  if (command.button > 0) {
    platform::testing::MemoryDialogBackEnd backEnd;
    platform::testing::MemorySettingsStore settings;
    CMelvaneDlg dialog{backEnd, settings};
    dialog.songPath = folder / "Grace.txt";
    platform::testing::MemoryDialogWindow& window = backEnd.Open(dialog);
    window.Press(kFirstStepRadio + 2);
    window.Press(kTwoColumnsRadio);
    window.Type(kFileNameAdditionEdit, "A");
    window.Press(command.button);
  } else {
    CommandLineOptions options = ReadCommandLine({command.button == -1 ? "-h" : "-r", folder / "*.txt"});
    command.button == -1 ? RunHtmlBatch(options) : RunRtfBatch(options);
  }
  testing::internal::GetCapturedStdout();
}

}  // namespace

TEST(FaultMatrix, EveryFailureKeepsTheOldTextAndIsToldOnce) {
  const FileOperation kinds[] = {FileOperation::OpenRead, FileOperation::OpenWrite, FileOperation::Read,
                                 FileOperation::Write,    FileOperation::Copy,      FileOperation::Delete};
  const char* kindNames[] = {"open for reading", "open for writing", "read", "write", "copy", "delete"};
  for (const Command& command : kCommands) {
    // How many operations of each kind the command makes when nothing fails.
    std::map<FileOperation, int> counts;
    {
      TempFolder folder;
      MakeFolder(folder);
      platform::testing::MessageRecorder messages;
      platform::testing::FaultPlan counting;
      RunCommand(command, folder);
      ASSERT_TRUE(messages.Messages().empty()) << command.name << ": " << messages.Messages().front();
      for (FileOperation kind : kinds) counts[kind] = counting.Count(kind);
    }
    for (std::size_t k = 0; k < std::size(kinds); ++k) {
      for (int nth = 1; nth <= counts[kinds[k]]; ++nth) {
        SCOPED_TRACE(std::string(command.name) + ", " + kindNames[k] + " #" + std::to_string(nth));
        TempFolder folder;
        MakeFolder(folder);
        std::map<std::string, std::string> before;
        for (const auto& [name, backup] : kKeptFiles) before[name] = ReadFileBytes(folder / name);

        platform::testing::MessageRecorder messages;
        {
          platform::testing::FaultPlan faults;
          faults.FailNth(kinds[k], nth, EIO);
          RunCommand(command, folder);
        }
        for (const auto& [name, backup] : kKeptFiles) {
          bool kept = ReadFileBytes(folder / name) == before[name];
          bool backedUp = FileExists(folder / backup) && ReadFileBytes(folder / backup) == before[name];
          EXPECT_TRUE(kept || backedUp) << name << " lost its old text";
        }
        if (kinds[k] == FileOperation::Delete) continue;
        EXPECT_EQ(messages.Messages().size(), 1u);
        if (messages.Messages().empty()) continue;
        EXPECT_NE(messages.Messages()[0].find(folder.Path().string()), std::string::npos) << messages.Messages()[0];
      }
    }
  }
}
