#include "resources/AboutDialogTemplate.h"

#include "resources/ResourceIds.h"

namespace {

using platform::ControlKind;
using platform::ControlTemplate;
using platform::DialogRect;

ControlTemplate Make(int id, ControlKind kind, const char* caption, DialogRect rect) {
  ControlTemplate control;
  control.id = id;
  control.kind = kind;
  control.caption = caption;
  control.rect = rect;
  return control;
}

platform::DialogTemplate Build() {
  platform::DialogTemplate t;
  t.id = kAboutDialogId;
  t.caption = "About Melvane";
  t.fontName = "MS Shell Dlg";
  t.fontPoints = 8;
  t.width = 235;
  t.height = 55;
  ControlTemplate icon = Make(platform::kNoControlId, ControlKind::Picture, "", {11, 17, 21, 20});
  icon.imageId = kAppIconId;
  t.controls.push_back(icon);
  t.controls.push_back(
      Make(platform::kNoControlId, ControlKind::Label, "Melvane Version 1.0", {40, 10, 119, 8}));
  t.controls.push_back(
      Make(platform::kNoControlId, ControlKind::Label, "Chord sheets in every key", {40, 25, 119, 8}));
  ControlTemplate ok = Make(platform::IDOK, ControlKind::DefaultPushButton, "OK", {178, 7, 50, 16});
  ok.startsGroup = true;
  ok.tabStop = true;
  t.controls.push_back(ok);
  return t;
}

}  // namespace

const platform::DialogTemplate& AboutDialogTemplate() {
  static const platform::DialogTemplate dialogTemplate = Build();
  return dialogTemplate;
}
