#include "resources/MainDialogTemplate.h"

#include "resources/ResourceIds.h"

namespace {

using platform::ControlKind;
using platform::ControlTemplate;
using platform::DialogRect;
using platform::kNoControlId;
using platform::TextAlignment;

ControlTemplate Make(int id, ControlKind kind, const char* caption, DialogRect rect, bool startsGroup = false,
                     bool tabStop = false) {
  ControlTemplate control;
  control.id = id;
  control.kind = kind;
  control.caption = caption;
  control.rect = rect;
  control.startsGroup = startsGroup;
  control.tabStop = tabStop;
  return control;
}

ControlTemplate Push(int id, const char* caption, DialogRect rect, bool startsGroup = false) {
  return Make(id, ControlKind::PushButton, caption, rect, startsGroup, true);
}

ControlTemplate Radio(int id, const char* caption, DialogRect rect, bool startsGroup = false,
                      bool tabStop = false) {
  return Make(id, ControlKind::RadioButton, caption, rect, startsGroup, tabStop);
}

ControlTemplate Check(int id, const char* caption, DialogRect rect, bool startsGroup = false) {
  return Make(id, ControlKind::CheckBox, caption, rect, startsGroup, true);
}

ControlTemplate Edit(int id, DialogRect rect) { return Make(id, ControlKind::Edit, "", rect, false, true); }

ControlTemplate Label(int id, const char* caption, DialogRect rect,
                      TextAlignment alignment = TextAlignment::Left, bool verticallyCentred = false) {
  ControlTemplate control = Make(id, ControlKind::Label, caption, rect);
  control.alignment = alignment;
  control.verticallyCentred = verticallyCentred;
  return control;
}

ControlTemplate Frame(const char* caption, DialogRect rect) {
  return Make(kNoControlId, ControlKind::GroupBox, caption, rect);
}

ControlTemplate Picture(int id, int imageId, DialogRect rect) {
  ControlTemplate control = Make(id, ControlKind::Picture, "", rect);
  control.imageId = imageId;
  return control;
}

platform::DialogTemplate Build() {
  constexpr TextAlignment kRight = TextAlignment::Right;
  platform::DialogTemplate t;
  t.id = kMainDialogId;
  t.caption = "Melvane";
  t.fontName = "MS Shell Dlg";
  t.fontPoints = 8;
  t.width = 396;
  t.height = 279;
  auto& c = t.controls;
  c.push_back(Push(kSelectSongFileButton, "Select Song File", {40, 8, 78, 14}));
  c.push_back(Push(kTransposeSongFileButton, "Transpose Song File", {16, 60, 78, 14}));
  // Steps up in the left column, down in the right one: one radio group of fourteen.
  const char* up[] = {"1", "2", "3", "4", "5", "6", "7"};
  const char* down[] = {"-1", "-2", "-3", "-4", "-5", "-6", "-7"};
  const int rows[] = {80, 93, 104, 117, 128, 141, 152};
  for (int i = 0; i < 7; ++i) {
    bool first = i == 0;
    c.push_back(Radio(kFirstStepRadio + i, up[i], {16, rows[i], 20, 10}, first, first));
  }
  for (int i = 0; i < 7; ++i) c.push_back(Radio(kFirstStepRadio + 7 + i, down[i], {52, rows[i], 23, 10}));
  c.push_back(Radio(kDisplayFlatsRadio, "Display Flats", {16, 168, 56, 10}, true, true));
  c.push_back(Radio(kDisplaySharpsRadio, "Display Sharps", {16, 181, 63, 10}));
  c.push_back(Push(kConvertSharpsFlatsButton, "Convert Sharps/Flats", {16, 192, 78, 14}));
  c.push_back(Push(kEditTextButton, "Edit Text", {16, 215, 78, 14}));
  c.push_back(Push(kCreateChordsOnlyButton, "Create Chords Only", {8, 240, 76, 14}));
  c.push_back(Push(kViewChordsOnlyButton, "View Chords Only", {8, 256, 76, 14}));
  c.push_back(Edit(kFileNameAdditionEdit, {212, 10, 36, 14}));
  c.push_back(Push(kCopyFileButton, "Copy File", {260, 10, 51, 14}));
  c.push_back(Edit(kChordSizeEdit, {156, 76, 40, 14}));
  c.push_back(Edit(kLyricSizeEdit, {156, 92, 40, 14}));
  c.push_back(Edit(kLineHeightEdit, {168, 111, 24, 12}));
  // Starts a group but is no tab stop, so Tab passes the column choice by.
  c.push_back(Radio(kOneColumnRadio, "One Column", {216, 72, 55, 10}, true, false));
  c.push_back(Radio(kTwoColumnsRadio, "Two Columns", {216, 84, 58, 10}));
  c.push_back(Check(kIndentPageCheck, "Indent Page", {216, 108, 54, 10}));
  c.push_back(Edit(kLinesInColumnEdit, {336, 70, 18, 12}));
  c.push_back(Check(kAutomaticCheck, "Automatic", {302, 81, 56, 16}));
  c.push_back(Push(kCreateWordDocButton, "Create Word Doc (RTF)", {268, 132, 96, 14}, true));
  c.push_back(Push(kViewWordDocButton, "View Word Doc", {268, 152, 64, 14}));
  c.push_back(Push(kCreateWebPageButton, "Create Web Page (HTML)", {124, 132, 96, 14}));
  c.push_back(Push(kViewWebPageButton, "View Web Page", {124, 152, 80, 14}));
  c.push_back(Edit(kSetListNameEdit, {204, 188, 60, 14}));
  c.push_back(Edit(kAppendEdit, {304, 188, 60, 14}));
  c.push_back(Push(kCreateHtmlFromSetListButton, "Create HTML Files From Set List", {116, 209, 112, 16}));
  c.push_back(Push(kCreateCompositeHtmlButton, "Create Composite HTML", {116, 228, 88, 14}));
  c.push_back(Push(kViewCompositeHtmlButton, "View Composite HTML", {116, 249, 88, 14}));
  c.push_back(Check(kBoldChordsCheck, "Bold Chords", {132, 64, 52, 10}, true));
  c.push_back(Push(kCreateRtfFromSetListButton, "Create RTF Files From Set List", {265, 208, 108, 16}));
  c.push_back(Push(kCreateCompositeRtfButton, "Create Composite RTF", {264, 229, 88, 14}));
  c.push_back(Push(kViewCompositeRtfButton, "View Composite RTF", {264, 248, 88, 14}));
  c.push_back(Make(platform::IDOK, ControlKind::DefaultPushButton, "Done", {340, 8, 50, 16}, false, true));
  c.push_back(Push(kHelpButton, "Help", {340, 29, 50, 14}));
  c.push_back(Check(kLineSpaceCheck, "Line Space", {120, 112, 50, 10}));
  c.push_back(Label(kNoControlId, "Chord Size", {120, 79, 35, 8}, kRight));
  c.push_back(Label(kNoControlId, "Lyric Size", {116, 95, 36, 8}, kRight));
  c.push_back(Label(kNoControlId, "Lines In Column", {278, 70, 55, 12}, kRight, true));
  c.push_back(Label(kStatusLine, "", {4, 35, 332, 8}));
  c.push_back(Frame("Transpose", {9, 48, 90, 186}));
  c.push_back(Label(kFileNameAdditionLabel, "File Name Addition", {144, 12, 66, 8}));
  c.push_back(Label(kNoControlId, "Set List Name", {152, 191, 48, 9}, kRight));
  c.push_back(Label(kNoControlId, "Append", {272, 191, 28, 9}, kRight));
  c.push_back(Picture(kDialogPicture, kDialogPictureId, {0, 0, 33, 28}));
  c.push_back(Frame("Set List", {108, 180, 272, 88}));
  c.push_back(Frame("Format", {108, 48, 272, 124}));
  return t;
}

}  // namespace

const platform::DialogTemplate& MainDialogTemplate() {
  static const platform::DialogTemplate dialogTemplate = Build();
  return dialogTemplate;
}
