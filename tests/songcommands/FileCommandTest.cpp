// "Select Song File", "Edit Text", "Copy File" and "Help" driven through the dialog.
#include "SongCommandFixture.h"
#include "platform/ProgramPath.h"
#include "songtext/PathHelpers.h"

using platform::IDCANCEL;
using platform::IDOK;
using testsupport::FileExists;
using testsupport::ReadFileBytes;

using FileCommand = SongCommandFixture;

TEST_F(FileCommand, SelectedFileGetsTheTxtExtensionAndIsShownAndRemembered) {
  std::string song = folder.Write("Grace.txt", "G\n");
  Open(song);
  struct Case {
    std::string chosen;
    std::string selected;
  };
  const Case cases[] = {
      {folder / "song.chords", folder / "song.txt"},
      {folder / "song.TXT", folder / "song.TXT"},
      {folder / "newsong.txt", folder / "newsong.txt"},
      {folder / "My.Songs/Blue", folder / "My.Songs/Blue.txt"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.chosen);
    int stores = settings.storeCount;
    backEnd.AnswerNextFileDialog(IDOK, c.chosen);
    window->Press(kSelectSongFileButton);
    EXPECT_EQ(dialog.songPath, c.selected);
    EXPECT_EQ(dialog.StatusLine(), c.selected);
    EXPECT_EQ(settings.value, c.selected);
    EXPECT_EQ(settings.storeCount, stores + 1);
  }
  const platform::OpenFileRequest& first = backEnd.FileDialogRequests().at(0);
  EXPECT_EQ(first.filter, " Files (*.txt)");
  EXPECT_EQ(first.defaultExtension, "txt");
  EXPECT_EQ(first.initialPath, song);
  // The selection before the second prompt (song.txt) named nothing on disk.
  EXPECT_EQ(backEnd.FileDialogRequests().at(1).initialPath, "");
}

TEST_F(FileCommand, CancelKeepsTheSongUnlessItNamedNothing) {
  std::string song = folder.Write("Grace.txt", "G\n");
  Open(song);
  backEnd.AnswerNextFileDialog(IDCANCEL);
  window->Press(kSelectSongFileButton);
  EXPECT_EQ(dialog.songPath, song);

  std::string gone = folder / "gone.txt";
  Open(gone);
  backEnd.AnswerNextFileDialog(IDCANCEL);
  window->Press(kSelectSongFileButton);
  EXPECT_EQ(dialog.songPath, "");
  EXPECT_EQ(dialog.StatusLine(), gone) << "the status line still shows the old text";
}

TEST_F(FileCommand, EditTextOpensTheSongInItsFolder) {
  Open(folder / "a.txt");
  window->Press(kEditTextButton);
  ASSERT_EQ(opened.Requests().size(), 1u);
  EXPECT_EQ(opened.Requests()[0].target, folder / "a.txt");
  EXPECT_EQ(opened.Requests()[0].workingDirectory, folder.Path().string());
  dialog.songPath = "";
  window->Press(kEditTextButton);
  EXPECT_EQ(opened.Requests().size(), 1u);
}

TEST_F(FileCommand, CopyNamesTheCopyAfterTheLastDashOfTheFileName) {
  struct Case {
    const char* song;
    const char* copy;
  };
  const Case cases[] = {
      {"Grace-G.txt", "Grace-A.txt"},       {"Grace.txt", "Grace-A.txt"},
      {"Grace-old-G.txt", "Grace-old-A.txt"}, {"Grace.lyr", "Grace-A.txt"},
      {"My-Songs/Grace.txt", "My-Songs/Grace-A.txt"}, {"-G.txt", "-G-A.txt"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.song);
    std::string song = folder.Write(c.song, std::string("song ") + c.song);
    folder.Write(c.copy, "an older copy, replaced without asking");
    Open(song);
    window->Type(kFileNameAdditionEdit, "A");
    window->Press(kCopyFileButton);
    EXPECT_EQ(ReadFileBytes(folder / c.copy), std::string("song ") + c.song);
    EXPECT_EQ(dialog.songPath, folder / c.copy);
    EXPECT_EQ(dialog.StatusLine(), folder / c.copy);
    EXPECT_EQ(settings.value, song) << "the copy is not remembered";
    EXPECT_TRUE(messages.Messages().empty());
  }
}

TEST_F(FileCommand, CopyWithoutAdditionOrThatFailsKeepsTheSelection) {
  std::string song = folder.Write("Grace.txt", "G\n");
  Open(song);
  window->Press(kCopyFileButton);
  EXPECT_EQ(messages.Messages(), std::vector<std::string>{"Enter text to add to the file name"});
  EXPECT_EQ(dialog.songPath, song);

  messages.Clear();
  window->Type(kFileNameAdditionEdit, "G");
  std::string self = folder.Write("Grace-G.txt", "itself\n");
  dialog.songPath = self;
  window->Press(kCopyFileButton);  // the copy would be the song itself
  EXPECT_EQ(messages.Messages(), std::vector<std::string>{"Error copying file " + self + " to " + self + "."});
  EXPECT_EQ(ReadFileBytes(self), "itself\n");
  EXPECT_EQ(dialog.songPath, self);

  messages.Clear();
  dialog.songPath = "";
  window->Type(kFileNameAdditionEdit, "A");
  window->Press(kCopyFileButton);
  EXPECT_EQ(messages.Messages(), std::vector<std::string>{"Error copying file  to -A.txt."});
  EXPECT_EQ(dialog.songPath, "");
  EXPECT_FALSE(FileExists("-A.txt"));
}

TEST_F(FileCommand, HelpOpensTheHelpPageAndLeavesUnsavedEdits) {
  Open(folder / "a.txt");
  window->Type(kChordSizeEdit, "17");
  window->Press(kHelpButton);
  ASSERT_EQ(opened.Requests().size(), 1u);
  EXPECT_EQ(opened.Requests()[0].target, "http://quorrin.example/MelvaneHelp.php");
  EXPECT_EQ(opened.Requests()[0].workingDirectory, PathDirectory(platform::ProgramPath()));
  EXPECT_EQ(dialog.chordSizeText, "12");
  EXPECT_EQ(window->ControlText(kChordSizeEdit), "17");
}
