#pragma once
// A dialog template as data: the dialog's size, caption and font, and its controls in
// template order (which is also the tab order), each with its id, kind, caption, rectangle in
// dialog units and its group and tab-stop flags. Both back ends build their windows from it.
#include <string_view>
#include <vector>

namespace platform {

// The framework's command ids of the default and cancel buttons.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;

// The id of a control nobody addresses (labels, frames).
inline constexpr int kNoControlId = -1;

enum class ControlKind {
  PushButton,
  DefaultPushButton,  // pressed by Enter wherever the focus is, unless on another push button
  RadioButton,
  CheckBox,
  Edit,      // one line, bordered, scrolls horizontally
  Label,     // static text
  GroupBox,  // a titled frame; only drawn, never takes the mouse or the focus
  Picture,   // an image resource, scaled into the rectangle
};

enum class TextAlignment { Left, Right };

// A rectangle in dialog units: x from a quarter of the font's average character width, y from
// an eighth of its height.
struct DialogRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

struct ControlTemplate {
  int id = kNoControlId;
  ControlKind kind = ControlKind::Label;
  std::string_view caption;
  DialogRect rect;
  bool startsGroup = false;  // begins a group; a radio group runs to the next control that does
  bool tabStop = false;
  TextAlignment alignment = TextAlignment::Left;  // labels
  bool verticallyCentred = false;                 // labels
  int imageId = 0;                                // pictures: the image resource shown
};

struct DialogTemplate {
  int id = 0;
  std::string_view caption;
  std::string_view fontName;
  int fontPoints = 8;
  int width = 0;   // dialog units
  int height = 0;  // dialog units
  std::vector<ControlTemplate> controls;
};

// The control with this id, or nullptr (also for kNoControlId).
const ControlTemplate* FindControl(const DialogTemplate& dialogTemplate, int id);

// The radio buttons of the group that starts at `firstId`, in template order: from that control
// up to the next control that starts a group, radio buttons only (other kinds in between are
// stepped over, as the data exchange counts them).
std::vector<int> RadioGroupIds(const DialogTemplate& dialogTemplate, int firstId);

// The radio buttons of the group a radio button belongs to (the group that contains it).
std::vector<int> RadioGroupContaining(const DialogTemplate& dialogTemplate, int radioId);

}  // namespace platform
