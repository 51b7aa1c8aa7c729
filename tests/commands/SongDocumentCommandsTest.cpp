// "Create Word Doc (RTF)", "Create Web Page (HTML)" and their View buttons, driven through the
// dialog: the size and line-height checks with their messages, the format record filled from
// the controls, and the document handed to the desktop's opener.
#include <string>
#include <vector>

#include "DialogCommands.h"
#include "html/WriteHtmlPage.h"
#include "rtf/WriteRtfDocument.h"

namespace {

const std::string kLyricMessage = "The lyric font size must be between 6 and 22";
const std::string kChordMessage = "The chord font size must be between 6 and 22";
const std::string kLineHeightMessage = "The line height must be from 1.0 to 3.0.";

// One of the two single-song document commands.
struct DocumentCommand {
  const char* name;
  int button;
  const char* extension;
};
const DocumentCommand kWordDoc{"Word document", kCreateWordDocButton, "rtf"};
const DocumentCommand kWebPage{"web page", kCreateWebPageButton, "html"};

// The record the dialog's first values stand for, as each command fills it.
FormatSettings DialogDefaults(const DocumentCommand& command) {
  FormatSettings settings;
  settings.lyricSize = 12;
  settings.chordSize = 12;
  settings.boldChords = true;
  settings.lineSpacing = true;
  settings.lineHeight = "1.5";
  settings.columns = 0;
  settings.linesPerColumn = 44;
  settings.indentPage = true;
  // The Word document leaves the record's default; the web page takes the unchecked box.
  settings.autoColumns = command.button == kCreateWordDocButton;
  return settings;
}

class SongDocumentCommands : public DialogCommands {
 protected:
  void SetUp() override {
    DialogCommands::SetUp();
    folder.CopyIn("examples/amazing-grace.txt", "Grace.txt");
    Select("Grace.txt");
  }

  std::string Document(const DocumentCommand& command) { return std::string("Grace.") + command.extension; }

  // What the writer makes of the song with exactly this record, written in a folder of its own.
  std::string WriterDocument(const DocumentCommand& command, FormatSettings settings) {
    settings.songPath = folder.CopyIn("examples/amazing-grace.txt", "expected/Grace.txt");
    SongContext context;
    int status = command.button == kCreateWordDocButton ? WriteRtfDocument(settings)
                                                        : WriteHtmlPage(context, settings);
    EXPECT_EQ(status, 0);
    return Read(std::string("expected/") + Document(command));
  }

  // Presses the command's button with the song's old document removed; returns the messages.
  std::vector<std::string> Create(const DocumentCommand& command) {
    std::filesystem::remove(folder / Document(command));
    messages.Clear();
    window->Press(command.button);
    return Messages();
  }
};

}  // namespace

TEST_F(SongDocumentCommands, SizesAreCheckedLyricFirstWithOneMessageAndReachTheDocumentAsRead) {
  struct Case {
    const char* lyric;
    const char* chord;
    std::string message;  // empty: accepted
    int lyricSize;
    int chordSize;
  };
  const Case cases[] = {
      {"5", "30", kLyricMessage, 0, 0},
      {"12", "23", kChordMessage, 0, 0},
      {"-6", "12", kLyricMessage, 0, 0},
      {"12", "-6", kChordMessage, 0, 0},
      {"23", "5", kLyricMessage, 0, 0},
      {"6", "22", "", 6, 22},
      {"22", "6", "", 22, 6},
      {"0", "0", "", 0, 0},
      {"", "", "", 0, 0},
      {"12pt", "12", "", 12, 12},
      {" +14", "abc", "", 14, 0},
  };
  for (const DocumentCommand& command : {kWordDoc, kWebPage}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(command.name) + ", lyric '" + c.lyric + "', chord '" + c.chord + "'");
      Type(kLyricSizeEdit, c.lyric);
      Type(kChordSizeEdit, c.chord);
      std::vector<std::string> shown = Create(command);
      if (!c.message.empty()) {
        EXPECT_EQ(shown, std::vector<std::string>{c.message});
        EXPECT_FALSE(Exists(Document(command)));
        continue;
      }
      EXPECT_TRUE(shown.empty());
      FormatSettings expected = DialogDefaults(command);
      expected.lyricSize = c.lyricSize;
      expected.chordSize = c.chordSize;
      ASSERT_TRUE(Exists(Document(command)));
      EXPECT_EQ(Read(Document(command)), WriterDocument(command, expected));
    }
  }
}

TEST_F(SongDocumentCommands, WebPageLineHeightMustReadFromOneToThreeWhateverLineSpaceSays) {
  struct Case {
    const char* lineHeight;
    bool lineSpace;
    bool accepted;
  };
  const Case cases[] = {
      {"3.5", true, false},  {"0.5", true, false},   {"abc", true, false},  {"", true, false},
      {"abc", false, false}, {"0.99", false, false}, {"1.0", true, true},   {"3.0", true, true},
      {"3", true, true},     {" 2", true, true},     {"1.5em", true, true}, {"1.5em", false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string("line height '") + c.lineHeight + "', Line Space " +
                 (c.lineSpace ? "on" : "off"));
    Type(kLineHeightEdit, c.lineHeight);
    Check(kLineSpaceCheck, c.lineSpace);
    std::vector<std::string> shown = Create(kWebPage);
    if (!c.accepted) {
      EXPECT_EQ(shown, std::vector<std::string>{kLineHeightMessage});
      EXPECT_FALSE(Exists("Grace.html"));
      continue;
    }
    EXPECT_TRUE(shown.empty());
    FormatSettings expected = DialogDefaults(kWebPage);
    expected.lineHeight = c.lineHeight;  // the whole text, as typed
    expected.lineSpacing = c.lineSpace;
    EXPECT_EQ(Read("Grace.html"), WriterDocument(kWebPage, expected));
  }
}

TEST_F(SongDocumentCommands, SizesAreCheckedBeforeTheLineHeight) {
  Type(kLineHeightEdit, "abc");
  Type(kLyricSizeEdit, "5");
  EXPECT_EQ(Create(kWebPage), std::vector<std::string>{kLyricMessage});
  Type(kLyricSizeEdit, "12");
  Type(kChordSizeEdit, "30");
  EXPECT_EQ(Create(kWebPage), std::vector<std::string>{kChordMessage});
}

TEST_F(SongDocumentCommands, WordDocumentTakesTheLineHeightUnchecked) {
  Type(kLineHeightEdit, "abc");
  EXPECT_TRUE(Create(kWordDoc).empty());
  FormatSettings expected = DialogDefaults(kWordDoc);
  expected.lineHeight = "abc";
  EXPECT_EQ(Read("Grace.rtf"), WriterDocument(kWordDoc, expected));
}

TEST_F(SongDocumentCommands, EveryFormatControlReachesItsField) {
  struct Case {
    const char* name;
    const char* linesInColumn;
    bool automatic;
    int linesPerColumn;
  };
  const Case cases[] = {
      {"two columns at line 9", "9", false, 9},
      {"two columns, Automatic", "9", true, 9},
      {"Lines In Column empty", "", false, 0},
      {"Lines In Column negative", "-3", false, -3},
  };
  for (const DocumentCommand& command : {kWordDoc, kWebPage}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(command.name) + ", " + c.name);
      Press(kTwoColumnsRadio);
      Check(kBoldChordsCheck, false);
      Check(kIndentPageCheck, false);
      Check(kAutomaticCheck, c.automatic);
      Type(kLinesInColumnEdit, c.linesInColumn);
      Type(kLyricSizeEdit, "10");
      Type(kChordSizeEdit, "14");
      Type(kLineHeightEdit, "2.25");
      EXPECT_TRUE(Create(command).empty());

      FormatSettings expected = DialogDefaults(command);
      expected.columns = 1;
      expected.boldChords = false;
      expected.indentPage = false;
      expected.linesPerColumn = c.linesPerColumn;
      if (command.button == kCreateWebPageButton) expected.autoColumns = c.automatic;
      expected.lyricSize = 10;
      expected.chordSize = 14;
      expected.lineHeight = "2.25";
      EXPECT_EQ(Read(Document(command)), WriterDocument(command, expected));
    }
  }
}

TEST_F(SongDocumentCommands, NoSongSelectedIsTheReadersEmptyName) {
  dialog.songPath.clear();
  for (const DocumentCommand& command : {kWordDoc, kWebPage}) {
    SCOPED_TRACE(command.name);
    EXPECT_EQ(Create(command), std::vector<std::string>{"Error opening file  for reading"});
  }
}

TEST_F(SongDocumentCommands, ViewOpensTheSongsDocumentInItsFolder) {
  struct Case {
    int button;
    std::string songPath;
    std::string target;  // empty: nothing is opened
    std::string workingFolder;
  };
  const Case cases[] = {
      {kViewWordDocButton, "/songs/Grace.txt", "/songs/Grace.rtf", "/songs"},
      {kViewWebPageButton, "/songs/hymn.txt", "/songs/hymn.html", "/songs"},
      {kViewWordDocButton, "/songs/v1.2/Grace", "/songs/v1.2/Grace.rtf", "/songs/v1.2"},
      {kViewWebPageButton, "/songs/Grace.tar.txt", "/songs/Grace.tar.html", "/songs"},
      {kViewWordDocButton, "", "", ""},
      {kViewWebPageButton, "", "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.button) + " " + c.songPath);
    dialog.songPath = c.songPath;
    std::size_t before = opened.Requests().size();
    Press(c.button);
    if (c.target.empty()) {
      EXPECT_EQ(opened.Requests().size(), before);
      continue;
    }
    ASSERT_EQ(opened.Requests().size(), before + 1);
    EXPECT_EQ(opened.Requests().back().target, c.target);
    EXPECT_EQ(opened.Requests().back().workingDirectory, c.workingFolder);
  }
  EXPECT_TRUE(Messages().empty()) << "a document that does not exist yet is the opener's affair";
}
