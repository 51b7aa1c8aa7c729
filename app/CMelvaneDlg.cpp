#include "app/CMelvaneDlg.h"

#include "app/CAboutDlg.h"
#include "resources/MainDialogTemplate.h"
#include "resources/ResourceIds.h"
#include "resources/ResourceStrings.h"

namespace {

constexpr const char* kVersionText = "1.08";

constexpr platform::CommandEntry<CMelvaneDlg> kCommands[] = {
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

}  // namespace

CMelvaneDlg::CMelvaneDlg(platform::DialogBackEnd& backEnd, platform::SettingsStore& settings)
    : CDialog(MainDialogTemplate(), backEnd), appIcon(kAppIconId), settings_(settings) {}

bool CMelvaneDlg::OnInitDialog() {
  CDialog::OnInitDialog();

  std::string aboutMenu = LoadResourceString(kAboutMenuStringId);
  if (!aboutMenu.empty()) {
    AppendSystemMenuSeparator();
    AppendSystemMenuItem(kAboutCommandId, aboutMenu);
  }
  SetIcon(appIcon);
  SetWindowText(std::string("Song Melvane ") + kVersionText);

  if (!songPath.empty()) StoreRememberedPath(songPath);

  // The controls, not the members: the members catch up at the next UpdateData(true).
  CheckRadioButton(kFirstStepRadio, kLastStepRadio, kFirstStepRadio);
  CheckRadioButton(kOneColumnRadio, kTwoColumnsRadio, kOneColumnRadio);
  CheckRadioButton(kDisplayFlatsRadio, kDisplaySharpsRadio, kDisplayFlatsRadio);
  SetDlgItemText(kLinesInColumnEdit, "44");

  // Loaded after the store above, so a command-line song that could not be stored loses to an
  // older remembered path.
  if (LoadRememberedPath() == platform::kOk) SetStatusLine(songPath);
  return true;
}

void CMelvaneDlg::DoDataExchange(platform::CDataExchange& dx) {
  CDialog::DoDataExchange(dx);
  platform::DDX_Radio(dx, kFirstStepRadio, stepChoice);
  platform::DDX_Radio(dx, kOneColumnRadio, columnChoice);
  platform::DDX_Radio(dx, kDisplayFlatsRadio, accidentalChoice);
  platform::DDX_Text(dx, kLinesInColumnEdit, linesInColumnText);
  platform::DDX_Check(dx, kIndentPageCheck, indentPageCheck);
  platform::DDX_Text(dx, kFileNameAdditionEdit, fileNameAddition);
  platform::DDX_Check(dx, kBoldChordsCheck, boldChordsCheck);
  platform::DDX_Check(dx, kLineSpaceCheck, lineSpaceCheck);
  platform::DDX_Check(dx, kAutomaticCheck, automaticCheck);
  platform::DDX_Text(dx, kLineHeightEdit, lineHeightText);
  platform::DDX_Text(dx, kSetListNameEdit, setListName);
  platform::DDX_Text(dx, kAppendEdit, appendText);
  platform::DDX_Text(dx, kChordSizeEdit, chordSizeText);
  platform::DDX_Text(dx, kLyricSizeEdit, lyricSizeText);
}

void CMelvaneDlg::OnSysCommand(int commandId) {
  if ((commandId & 0xFFF0) == kAboutCommandId) {
    CAboutDlg about(BackEnd());
    about.DoModal();
  } else {
    CDialog::OnSysCommand(commandId);
  }
}

void CMelvaneDlg::SetStatusLine(const std::string& text) { SetDlgItemText(kStatusLine, text); }

std::string CMelvaneDlg::StatusLine() const { return GetDlgItemText(kStatusLine); }

void CMelvaneDlg::StoreRememberedPath(const std::string& path) { settings_.StorePath(path); }

platform::Status CMelvaneDlg::LoadRememberedPath() { return settings_.LoadPath(songPath); }

std::span<const platform::CommandEntry<CMelvaneDlg>> CMelvaneDlg::CommandTable() { return kCommands; }

bool CMelvaneDlg::OnCmdMsg(int controlId) { return platform::RouteCommand(*this, CommandTable(), controlId); }
