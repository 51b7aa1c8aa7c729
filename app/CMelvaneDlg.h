#pragma once
// The main dialog: every choice the user makes (the selected song, the transposition step,
// flats or sharps, the page format, the set list) as plain members, one handler per push
// button, and the remembered path of the last chosen song. The handlers work on the members
// only; UpdateData moves the controls into them (true) or back (false).
#include <span>
#include <string>

#include "platform/SettingsStore.h"
#include "platform/dialog/CDialog.h"
#include "platform/dialog/CommandTable.h"

class CMelvaneDlg : public platform::CDialog {
 public:
  // Built for template 102; `settings` keeps the remembered path between runs.
  CMelvaneDlg(platform::DialogBackEnd& backEnd, platform::SettingsStore& settings);

  // The members, with the control each is exchanged with.
  int appIcon;                           // icon resource 128; no control
  int stepChoice = 0;                    // radio group 1005-1018: 0-6 "1".."7", 7-13 "-1".."-7"
  int columnChoice = 0;                  // radio group 1030-1031: 0 one column, 1 two
  std::string linesInColumnText = "44";  // edit 1032
  std::string songPath;                  // no control; shown in the status line 1002
  int accidentalChoice = 0;              // radio group 1035-1036: 0 flats, 1 sharps
  std::string fileNameAddition;          // edit 1039
  int convertOnly = 0;                   // no control; set around "Convert Sharps/Flats"
  int boldChordsCheck = 1;               // check box 1042
  int lineSpaceCheck = 1;                // check box 1043
  int automaticCheck = 0;                // check box 1046
  std::string lineHeightText = "1.5";    // edit 1060
  std::string setListName = "SetList";   // edit 1074
  std::string appendText;                // edit 1078
  std::string chordSizeText = "12";      // edit 1071
  std::string lyricSizeText = "12";      // edit 1079
  int indentPageCheck = 1;               // check box 1033

  // Opening: the framework's exchange into the controls, the context menu's About entry, the
  // icon, the title "Song Melvane 1.08"; a song named on the command line is stored as the
  // remembered path; "1", "One Column" and "Display Flats" are checked and "44" put into the
  // lines-in-column edit whatever the members hold; then the remembered path is loaded into
  // songPath and, when that succeeds, shown in the status line. Returns true (the focus goes to
  // "Select Song File").
  bool OnInitDialog() override;
  void DoDataExchange(platform::CDataExchange& dx) override;
  // The About entry (0x0010, low four bits ignored) shows the About box; nothing else happens.
  void OnSysCommand(int commandId) override;

  // The status line (control 1002).
  void SetStatusLine(const std::string& text);
  std::string StatusLine() const;

  // Stores the path as the remembered path. A failure is silent and changes nothing.
  void StoreRememberedPath(const std::string& path);
  // Loads the remembered path into songPath. Returns 0, or the store's failure status with
  // songPath unchanged.
  platform::Status LoadRememberedPath();

  // One handler per push button; "Done" is the framework's OnOK.
  void OnSelectSongFile();
  void OnTransposeSongFile();
  void OnConvertSharpsFlats();
  void OnEditText();
  void OnCreateChordsOnly();
  void OnViewChordsOnly();
  void OnCopyFile();
  void OnCreateWordDoc();
  void OnViewWordDoc();
  void OnCreateWebPage();
  void OnViewWebPage();
  void OnCreateHtmlFromSetList();
  void OnCreateCompositeHtml();
  void OnViewCompositeHtml();
  void OnCreateRtfFromSetList();
  void OnCreateCompositeRtf();
  void OnViewCompositeRtf();
  void OnHelpButton();

  // Which handler each push button's click runs.
  static std::span<const platform::CommandEntry<CMelvaneDlg>> CommandTable();

 protected:
  bool OnCmdMsg(int controlId) override;

 private:
  platform::SettingsStore& settings_;
};
