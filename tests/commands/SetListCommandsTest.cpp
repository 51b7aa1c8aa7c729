// The set list of the dialog and the commands that make one document per listed song ("Create
// RTF Files From Set List", "Create HTML Files From Set List"): where the list and the songs
// are looked for, which song each entry names, and that every entry is tried whatever befell
// the one before.
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "DialogCommands.h"
#include "app/SetListPath.h"

namespace {

const std::string kSong = "Title\nG     C\nAmazing grace\n";

// One of the two commands that make a document for every song of the set list.
struct SetListCommand {
  const char* name;
  int button;
  const char* extension;
};
const SetListCommand kSetListCommands[] = {
    {"Word documents", kCreateRtfFromSetListButton, "rtf"},
    {"web pages", kCreateHtmlFromSetListButton, "html"},
};

class SetListCommands : public DialogCommands {
 protected:
  void SetUp() override {
    DialogCommands::SetUp();
    Select("Grace.txt");
    Type(kSetListNameEdit, "Friday");
  }
  std::string ReadingMessage(const std::string& name) {
    return "Error opening file " + (folder / name) + " for reading";
  }
};

}  // namespace

TEST(SetListPath, LiesBesideTheSelectedSongAndNamesTheDocumentsWithTheAppendText) {
  platform::testing::MemoryDialogBackEnd backEnd;
  platform::testing::MemorySettingsStore store;
  platform::testing::MessageRecorder messages;
  struct Case {
    const char* songPath;
    const char* setListName;
    const char* appendText;
    std::string setListPath;  // "untouched": the path argument is left as it was
    std::string baseName;
  };
  const Case cases[] = {
      {"/gigs/Grace.txt", "Friday", "-big", "/gigs/Friday.txt", "Friday-big"},
      {"/gigs/Grace.txt", "Friday", "", "/gigs/Friday.txt", "Friday"},
      {"/gigs/sets.old/Grace", "v1.2", "-print", "/gigs/sets.old/v1.2.txt", "v1.2-print"},
      {"", "Friday", "", "/Friday.txt", "Friday"},
      {"/gigs/Grace.txt", "", "-big", "untouched", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.songPath) + " | " + c.setListName + " | " + c.appendText);
    CMelvaneDlg dialog(backEnd, store);
    dialog.songPath = c.songPath;
    dialog.setListName = c.setListName;
    dialog.appendText = c.appendText;
    messages.Clear();
    std::string setListPath = "untouched";
    EXPECT_EQ(GetSetListPath(dialog, setListPath), c.baseName);
    EXPECT_EQ(setListPath, c.setListPath);
    std::vector<std::string> expectedMessages;
    if (c.baseName.empty()) expectedMessages.push_back("Enter a Set List Name");
    EXPECT_EQ(messages.Messages(), expectedMessages);
  }
}

TEST_F(SetListCommands, EachEntryNamesASongInTheListsFolderWithItsExtensionReplaced) {
  for (const char* song : {"Grace.txt", "Amazing.txt", "hymns/Abide.txt", "Shout.TXT", "Last.txt"}) {
    folder.Write(song, kSong);
  }
  // Windows line ends, a folder written with '\', a blank line, a last line without a break.
  folder.Write("Friday.txt", "Grace\r\nAmazing.rtf\r\nhymns\\Abide\r\n\r\nShout.TXT\r\nGrace \r\nLast");
  for (const SetListCommand& command : kSetListCommands) {
    SCOPED_TRACE(command.name);
    messages.Clear();
    Press(command.button);
    const std::string ext = command.extension;
    for (const std::string& document :
         {"Grace." + ext, "Amazing." + ext, "hymns/Abide." + ext, "Shout." + ext, "Last." + ext}) {
      EXPECT_TRUE(Exists(document)) << document;
    }
    // The blank line names ".txt"; the trailing blank is kept in the name.
    EXPECT_EQ(Messages(), (std::vector<std::string>{ReadingMessage(".txt"), ReadingMessage("Grace .txt")}));
  }
}

TEST_F(SetListCommands, EveryEntryIsTriedInOrderWhateverFailedBefore) {
  folder.Write("Grace.txt", kSong);
  folder.Write("Abide.txt", kSong);
  folder.Write("Friday.txt", "Missing\nGrace\nGone.txt\nAbide\n");
  for (const SetListCommand& command : kSetListCommands) {
    SCOPED_TRACE(command.name);
    messages.Clear();
    Press(command.button);
    EXPECT_EQ(Messages(),
              (std::vector<std::string>{ReadingMessage("Missing.txt"), ReadingMessage("Gone.txt")}));
    EXPECT_TRUE(Exists(std::string("Grace.") + command.extension));
    EXPECT_TRUE(Exists(std::string("Abide.") + command.extension));
  }
}

TEST_F(SetListCommands, RefusedSizeIsToldOnceForEveryEntryAndNothingIsWritten) {
  folder.Write("Grace.txt", kSong);
  folder.Write("Friday.txt", "Grace\nGrace\n\n");
  Type(kLyricSizeEdit, "5");
  for (const SetListCommand& command : kSetListCommands) {
    SCOPED_TRACE(command.name);
    messages.Clear();
    Press(command.button);
    EXPECT_EQ(Messages(), std::vector<std::string>(3, "The lyric font size must be between 6 and 22"));
    EXPECT_FALSE(Exists(std::string("Grace.") + command.extension));
  }
}

TEST_F(SetListCommands, WebPagesRefuseALineHeightOnceForEveryEntry) {
  folder.Write("Grace.txt", kSong);
  folder.Write("Friday.txt", "Grace\nGrace\n");
  Type(kLineHeightEdit, "3.5");
  Press(kCreateHtmlFromSetListButton);
  EXPECT_EQ(Messages(), std::vector<std::string>(2, "The line height must be from 1.0 to 3.0."));
  EXPECT_FALSE(Exists("Grace.html"));
}

TEST_F(SetListCommands, SetListThatCannotBeOpenedIsReportedByBothCommands) {
  for (const SetListCommand& command : kSetListCommands) {
    SCOPED_TRACE(command.name);
    messages.Clear();
    Press(command.button);
    EXPECT_EQ(Messages(), std::vector<std::string>{"Error opening set list file " + (folder / "Friday.txt") +
                                                   " for read."});
  }
}

TEST_F(SetListCommands, EmptySetListNameStopsEverySetListCommand) {
  folder.Write("Grace.txt", kSong);
  folder.Write(".txt", "Grace\n");
  Type(kSetListNameEdit, "");
  for (int button : {kCreateRtfFromSetListButton, kCreateHtmlFromSetListButton, kCreateCompositeRtfButton,
                     kCreateCompositeHtmlButton, kViewCompositeRtfButton, kViewCompositeHtmlButton}) {
    SCOPED_TRACE(button);
    messages.Clear();
    Press(button);
    EXPECT_EQ(Messages(), std::vector<std::string>{"Enter a Set List Name"});
  }
  EXPECT_TRUE(opened.Requests().empty());
  std::vector<std::string> files;
  for (const auto& file : std::filesystem::directory_iterator(folder.Path())) {
    files.push_back(file.path().filename().string());
  }
  std::sort(files.begin(), files.end());
  EXPECT_EQ(files, (std::vector<std::string>{".txt", "Grace.txt"})) << "nothing was written";
}
