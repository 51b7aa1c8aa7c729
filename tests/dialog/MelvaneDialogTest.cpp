// The main dialog on the in-memory back end: its opening, the remembered path, data exchange,
// Done, Escape and the close box, the command table and the About box.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "app/CMelvaneDlg.h"
#include "platform/testing/MemoryDialogBackEnd.h"
#include "platform/testing/MemorySettingsStore.h"
#include "resources/MainDialogTemplate.h"
#include "resources/ResourceIds.h"

namespace {

using platform::IDCANCEL;
using platform::IDOK;
using platform::testing::MemoryDialogBackEnd;
using platform::testing::MemoryDialogWindow;
using platform::testing::MemorySettingsStore;

class MelvaneDialog : public ::testing::Test {
 protected:
  MemoryDialogBackEnd backEnd;
  MemorySettingsStore settings;
  CMelvaneDlg dialog{backEnd, settings};

  MemoryDialogWindow& Open(const std::string& commandLineSong = "") {
    dialog.songPath = commandLineSong;
    return backEnd.Open(dialog);
  }
};

TEST_F(MelvaneDialog, FirstRunShowsTheDefaultsAndAnEmptyStatusLine) {
  MemoryDialogWindow& window = Open();
  EXPECT_EQ(window.WindowText(), "Song Melvane 1.08");
  EXPECT_EQ(window.Icon(), kAppIconId);
  EXPECT_EQ(window.FocusedControl(), kSelectSongFileButton);
  EXPECT_EQ(dialog.StatusLine(), "");
  EXPECT_EQ(dialog.songPath, "");
  EXPECT_EQ(settings.storeCount, 0);

  for (int checked : {kFirstStepRadio, kOneColumnRadio, kDisplayFlatsRadio, kBoldChordsCheck, kLineSpaceCheck,
                      kIndentPageCheck}) {
    SCOPED_TRACE(checked);
    EXPECT_EQ(window.CheckState(checked), 1);
  }
  for (int id = kFirstStepRadio + 1; id <= kLastStepRadio; ++id) {
    EXPECT_EQ(window.CheckState(id), 0) << id;
  }
  for (int unchecked : {kTwoColumnsRadio, kDisplaySharpsRadio, kAutomaticCheck}) {
    SCOPED_TRACE(unchecked);
    EXPECT_EQ(window.CheckState(unchecked), 0);
  }
  struct Edit {
    int id;
    const char* text;
  };
  for (Edit edit : {Edit{kLinesInColumnEdit, "44"}, Edit{kLineHeightEdit, "1.5"},
                    Edit{kSetListNameEdit, "SetList"}, Edit{kChordSizeEdit, "12"}, Edit{kLyricSizeEdit, "12"},
                    Edit{kFileNameAdditionEdit, ""}, Edit{kAppendEdit, ""}}) {
    SCOPED_TRACE(edit.id);
    EXPECT_EQ(window.ControlText(edit.id), edit.text);
  }
}

TEST_F(MelvaneDialog, CommandLineSongIsStoredThenLoadedAndShown) {
  settings.value = "/songs/older.txt";
  Open("/songs/Grace.txt");
  EXPECT_EQ(settings.value, "/songs/Grace.txt");
  EXPECT_EQ(dialog.songPath, "/songs/Grace.txt");
  EXPECT_EQ(dialog.StatusLine(), "/songs/Grace.txt");
}

TEST_F(MelvaneDialog, FailedStoreLetsTheOlderRememberedPathWin) {
  settings.value = "/songs/gone-since.txt";
  settings.storeFailure = platform::StatusFromErrno(EACCES);
  Open("/songs/Grace.txt");
  EXPECT_EQ(settings.storeCount, 1);
  EXPECT_EQ(dialog.songPath, "/songs/gone-since.txt");
  EXPECT_EQ(dialog.StatusLine(), "/songs/gone-since.txt");
}

TEST_F(MelvaneDialog, NothingRememberedKeepsTheSongAndLeavesTheStatusLineEmpty) {
  settings.storeFailure = platform::StatusFromErrno(EACCES);
  Open("/songs/Grace.txt");
  EXPECT_EQ(dialog.songPath, "/songs/Grace.txt");
  EXPECT_EQ(dialog.StatusLine(), "");
}

TEST_F(MelvaneDialog, RememberedPathKeepsItsBytesAndLength) {
  std::string path = "/songs/" + std::string(300, 'x') + "/caf\xE9 \xC3\xA9.txt";
  settings.value = path;
  Open();
  EXPECT_EQ(dialog.songPath, path);
  EXPECT_EQ(dialog.StatusLine(), path);
}

TEST_F(MelvaneDialog, OpeningChecksTheFirstChoicesWhateverTheMembersHold) {
  dialog.stepChoice = 9;
  dialog.columnChoice = 1;
  dialog.accidentalChoice = 1;
  dialog.linesInColumnText = "30";
  MemoryDialogWindow& window = Open();
  EXPECT_EQ(window.CheckState(kFirstStepRadio + 9), 0);
  EXPECT_EQ(window.CheckState(kFirstStepRadio), 1);
  EXPECT_EQ(window.CheckState(kOneColumnRadio), 1);
  EXPECT_EQ(window.CheckState(kDisplayFlatsRadio), 1);
  EXPECT_EQ(window.ControlText(kLinesInColumnEdit), "44");
  EXPECT_EQ(dialog.stepChoice, 9) << "the members catch up only at the next exchange";

  ASSERT_TRUE(dialog.UpdateData(true));
  EXPECT_EQ(dialog.stepChoice, 0);
  EXPECT_EQ(dialog.columnChoice, 0);
  EXPECT_EQ(dialog.accidentalChoice, 0);
  EXPECT_EQ(dialog.linesInColumnText, "44");
}

TEST_F(MelvaneDialog, EveryTextMemberTravelsBothWaysWithItsEdit) {
  struct Case {
    int edit;
    std::string CMelvaneDlg::*member;
  };
  const Case cases[] = {
      {kLinesInColumnEdit, &CMelvaneDlg::linesInColumnText},
      {kFileNameAdditionEdit, &CMelvaneDlg::fileNameAddition},
      {kLineHeightEdit, &CMelvaneDlg::lineHeightText},
      {kSetListNameEdit, &CMelvaneDlg::setListName},
      {kAppendEdit, &CMelvaneDlg::appendText},
      {kChordSizeEdit, &CMelvaneDlg::chordSizeText},
      {kLyricSizeEdit, &CMelvaneDlg::lyricSizeText},
  };
  MemoryDialogWindow& window = Open();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.edit);
    // Unchecked on purpose: the texts are taken as typed.
    std::string typed = " x" + std::to_string(c.edit) + " \xE9";
    window.Type(c.edit, typed);
    ASSERT_TRUE(dialog.UpdateData(true));
    EXPECT_EQ(dialog.*c.member, typed);
    dialog.*c.member = "member " + std::to_string(c.edit);
    ASSERT_TRUE(dialog.UpdateData(false));
    EXPECT_EQ(window.ControlText(c.edit), "member " + std::to_string(c.edit));
  }
}

TEST_F(MelvaneDialog, EveryChoiceTravelsBothWaysWithItsButtons) {
  struct Case {
    int button;
    int CMelvaneDlg::*member;
    int value;  // the member's value once the button has been pressed
    int other;  // a value that leaves the button in its other state
  };
  const Case cases[] = {
      {kFirstStepRadio + 3, &CMelvaneDlg::stepChoice, 3, 0},  // "4"
      {kFirstStepRadio + 7, &CMelvaneDlg::stepChoice, 7, 0},  // "-1": the second column continues the count
      {kLastStepRadio, &CMelvaneDlg::stepChoice, 13, 0},      // "-7"
      {kTwoColumnsRadio, &CMelvaneDlg::columnChoice, 1, 0},
      {kDisplaySharpsRadio, &CMelvaneDlg::accidentalChoice, 1, 0},
      {kAutomaticCheck, &CMelvaneDlg::automaticCheck, 1, 0},
      {kBoldChordsCheck, &CMelvaneDlg::boldChordsCheck, 0, 1},  // checked at first: pressing clears it
      {kLineSpaceCheck, &CMelvaneDlg::lineSpaceCheck, 0, 1},
      {kIndentPageCheck, &CMelvaneDlg::indentPageCheck, 0, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.button);
    MemoryDialogBackEnd freshBackEnd;
    CMelvaneDlg fresh(freshBackEnd, settings);
    MemoryDialogWindow& window = freshBackEnd.Open(fresh);
    ASSERT_TRUE(window.Press(c.button));
    int pressedState = window.CheckState(c.button);
    ASSERT_TRUE(fresh.UpdateData(true));
    EXPECT_EQ(fresh.*c.member, c.value);

    fresh.*c.member = c.other;
    ASSERT_TRUE(fresh.UpdateData(false));
    EXPECT_NE(window.CheckState(c.button), pressedState);
    fresh.*c.member = c.value;
    ASSERT_TRUE(fresh.UpdateData(false));
    EXPECT_EQ(window.CheckState(c.button), pressedState);
  }
}

TEST_F(MelvaneDialog, DoneStoresTheControlsAndCloses) {
  MemoryDialogWindow& window = Open();
  window.Type(kSetListNameEdit, "Sunday");
  window.Press(kFirstStepRadio + 2);
  window.Press(kAutomaticCheck);
  ASSERT_TRUE(window.Press(IDOK));
  EXPECT_FALSE(window.IsOpen());
  EXPECT_EQ(window.Result(), IDOK);
  EXPECT_EQ(dialog.setListName, "Sunday");
  EXPECT_EQ(dialog.stepChoice, 2);
  EXPECT_EQ(dialog.automaticCheck, 1);
  EXPECT_EQ(settings.storeCount, 0) << "closing stores no remembered path";
}

TEST_F(MelvaneDialog, EnterInAnEditActsAsDone) {
  MemoryDialogWindow& window = Open();
  window.Type(kAppendEdit, "-live");
  ASSERT_TRUE(window.PressEnter());
  EXPECT_EQ(window.Result(), IDOK);
  EXPECT_EQ(dialog.appendText, "-live");
}

TEST_F(MelvaneDialog, EscapeAndTheCloseBoxCloseWithoutStoring) {
  for (bool closeBox : {false, true}) {
    SCOPED_TRACE(closeBox ? "close box" : "Escape");
    MemoryDialogBackEnd freshBackEnd;
    CMelvaneDlg fresh(freshBackEnd, settings);
    MemoryDialogWindow& window = freshBackEnd.Open(fresh);
    window.Type(kSetListNameEdit, "Sunday");
    window.Press(kDisplaySharpsRadio);
    ASSERT_TRUE(closeBox ? window.PressCloseBox() : window.PressEscape());
    EXPECT_FALSE(window.IsOpen());
    EXPECT_EQ(window.Result(), IDCANCEL);
    EXPECT_EQ(fresh.setListName, "SetList");
    EXPECT_EQ(fresh.accidentalChoice, 0);
  }
}

TEST_F(MelvaneDialog, EveryPushButtonRoutesToItsOwnHandler) {
  struct Case {
    int button;
    void (CMelvaneDlg::*handler)();
  };
  const Case cases[] = {
      {kSelectSongFileButton, &CMelvaneDlg::OnSelectSongFile},
      {kTransposeSongFileButton, &CMelvaneDlg::OnTransposeSongFile},
      {kConvertSharpsFlatsButton, &CMelvaneDlg::OnConvertSharpsFlats},
      {kEditTextButton, &CMelvaneDlg::OnEditText},
      {kCreateChordsOnlyButton, &CMelvaneDlg::OnCreateChordsOnly},
      {kViewChordsOnlyButton, &CMelvaneDlg::OnViewChordsOnly},
      {kCopyFileButton, &CMelvaneDlg::OnCopyFile},
      {kCreateWordDocButton, &CMelvaneDlg::OnCreateWordDoc},
      {kViewWordDocButton, &CMelvaneDlg::OnViewWordDoc},
      {kCreateWebPageButton, &CMelvaneDlg::OnCreateWebPage},
      {kViewWebPageButton, &CMelvaneDlg::OnViewWebPage},
      {kCreateHtmlFromSetListButton, &CMelvaneDlg::OnCreateHtmlFromSetList},
      {kCreateCompositeHtmlButton, &CMelvaneDlg::OnCreateCompositeHtml},
      {kViewCompositeHtmlButton, &CMelvaneDlg::OnViewCompositeHtml},
      {kCreateRtfFromSetListButton, &CMelvaneDlg::OnCreateRtfFromSetList},
      {kCreateCompositeRtfButton, &CMelvaneDlg::OnCreateCompositeRtf},
      {kViewCompositeRtfButton, &CMelvaneDlg::OnViewCompositeRtf},
      {kHelpButton, &CMelvaneDlg::OnHelpButton},
  };
  auto table = CMelvaneDlg::CommandTable();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.button);
    int found = 0;
    for (const auto& entry : table) {
      if (entry.controlId != c.button) continue;
      ++found;
      EXPECT_TRUE(entry.handler == c.handler);
    }
    EXPECT_EQ(found, 1);
  }
  // And no push button of the template is left without a handler ("Done" is the framework's).
  std::set<int> routed;
  for (const auto& entry : table) routed.insert(entry.controlId);
  for (const platform::ControlTemplate& control : MainDialogTemplate().controls) {
    if (control.kind == platform::ControlKind::PushButton) {
      EXPECT_TRUE(routed.count(control.id)) << control.id;
    }
  }
}

TEST_F(MelvaneDialog, ContextMenuOffersTheAboutBox) {
  MemoryDialogWindow& window = Open();
  ASSERT_EQ(window.SystemMenu().size(), 2u);
  EXPECT_EQ(window.SystemMenu()[0].commandId, 0) << "a separator first";
  EXPECT_EQ(window.SystemMenu()[1].commandId, kAboutCommandId);
  EXPECT_EQ(window.SystemMenu()[1].text, "&About Melvane...");

  std::string aboutTitle;
  std::vector<std::string> aboutTexts;
  backEnd.WhenNextDialogOpens([&](MemoryDialogWindow& about) {
    aboutTitle = about.WindowText();
    for (const platform::ControlTemplate& control : about.Template().controls) {
      if (control.kind == platform::ControlKind::Label) aboutTexts.emplace_back(control.caption);
    }
    EXPECT_EQ(about.FocusedControl(), IDOK);
    EXPECT_TRUE(about.Press(IDOK));
  });
  ASSERT_TRUE(window.ChooseSystemMenuItem(kAboutCommandId));
  EXPECT_EQ(aboutTitle, "About Melvane");
  ASSERT_EQ(aboutTexts.size(), 2u);
  EXPECT_EQ(aboutTexts[0], "Melvane Version 1.0");
  EXPECT_FALSE(aboutTexts[1].empty());
  EXPECT_EQ(backEnd.Windows().back()->Result(), IDOK);
  EXPECT_TRUE(window.IsOpen()) << "the main dialog stays open";
}

TEST_F(MelvaneDialog, StatusLineShowsWhatItIsGiven) {
  Open();
  dialog.SetStatusLine("/songs/Grace-A.txt");
  EXPECT_EQ(dialog.StatusLine(), "/songs/Grace-A.txt");
  EXPECT_EQ(dialog.GetDlgItemText(kStatusLine), "/songs/Grace-A.txt");
}

}  // namespace
