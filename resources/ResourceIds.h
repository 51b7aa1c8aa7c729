#pragma once
// The ids of the program's resources: dialog templates, strings, images, the system menu's
// About command, and the controls of the main dialog (the command table and the data exchange
// name controls by these).

// Dialog templates.
inline constexpr int kAboutDialogId = 100;
inline constexpr int kMainDialogId = 102;

// Strings.
inline constexpr int kAboutMenuStringId = 101;  // "&About Melvane..."

// Images.
inline constexpr int kAppIconId = 128;        // the application icon
inline constexpr int kDialogPictureId = 133;  // the small picture in the dialog's top-left corner

// The About entry of the system menu (a system command id: its low four bits are free).
inline constexpr int kAboutCommandId = 0x0010;

// Controls of the main dialog. "Done" is the framework's IDOK (1).
inline constexpr int kSelectSongFileButton = 1001;
inline constexpr int kStatusLine = 1002;
inline constexpr int kTransposeSongFileButton = 1004;
inline constexpr int kFirstStepRadio = 1005;  // "1" .. "7" are 1005..1011, "-1" .. "-7" 1012..1018
inline constexpr int kLastStepRadio = 1018;
inline constexpr int kCreateWebPageButton = 1021;
inline constexpr int kCreateHtmlFromSetListButton = 1026;
inline constexpr int kEditTextButton = 1028;
inline constexpr int kViewWebPageButton = 1029;
inline constexpr int kOneColumnRadio = 1030;
inline constexpr int kTwoColumnsRadio = 1031;
inline constexpr int kLinesInColumnEdit = 1032;
inline constexpr int kIndentPageCheck = 1033;
inline constexpr int kDisplayFlatsRadio = 1035;
inline constexpr int kDisplaySharpsRadio = 1036;
inline constexpr int kFileNameAdditionEdit = 1039;
inline constexpr int kFileNameAdditionLabel = 1040;
inline constexpr int kCopyFileButton = 1041;
inline constexpr int kBoldChordsCheck = 1042;
inline constexpr int kLineSpaceCheck = 1043;
inline constexpr int kAutomaticCheck = 1046;
inline constexpr int kCreateWordDocButton = 1047;
inline constexpr int kHelpButton = 1048;
inline constexpr int kLineHeightEdit = 1060;
inline constexpr int kViewWordDocButton = 1061;
inline constexpr int kConvertSharpsFlatsButton = 1066;
inline constexpr int kCreateChordsOnlyButton = 1069;
inline constexpr int kViewChordsOnlyButton = 1070;
inline constexpr int kChordSizeEdit = 1071;
inline constexpr int kCreateCompositeRtfButton = 1072;
inline constexpr int kCreateRtfFromSetListButton = 1073;
inline constexpr int kSetListNameEdit = 1074;
inline constexpr int kViewCompositeRtfButton = 1075;
inline constexpr int kCreateCompositeHtmlButton = 1076;
inline constexpr int kViewCompositeHtmlButton = 1077;
inline constexpr int kAppendEdit = 1078;
inline constexpr int kLyricSizeEdit = 1079;
inline constexpr int kDialogPicture = 1081;
