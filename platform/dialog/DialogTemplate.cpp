#include "platform/dialog/DialogTemplate.h"

#include <algorithm>
#include <cstddef>

namespace platform {
namespace {

std::ptrdiff_t IndexOf(const DialogTemplate& dialogTemplate, int id) {
  if (id == kNoControlId) return -1;
  const auto& controls = dialogTemplate.controls;
  auto found =
      std::find_if(controls.begin(), controls.end(), [id](const ControlTemplate& c) { return c.id == id; });
  return found == controls.end() ? -1 : found - controls.begin();
}

std::vector<int> RadioButtonsFrom(const DialogTemplate& dialogTemplate, std::size_t start) {
  std::vector<int> ids;
  const auto& controls = dialogTemplate.controls;
  for (std::size_t i = start; i < controls.size(); ++i) {
    if (i != start && controls[i].startsGroup) break;
    if (controls[i].kind == ControlKind::RadioButton) ids.push_back(controls[i].id);
  }
  return ids;
}

}  // namespace

const ControlTemplate* FindControl(const DialogTemplate& dialogTemplate, int id) {
  std::ptrdiff_t index = IndexOf(dialogTemplate, id);
  return index < 0 ? nullptr : &dialogTemplate.controls[static_cast<std::size_t>(index)];
}

std::vector<int> RadioGroupIds(const DialogTemplate& dialogTemplate, int firstId) {
  std::ptrdiff_t index = IndexOf(dialogTemplate, firstId);
  if (index < 0) return {};
  return RadioButtonsFrom(dialogTemplate, static_cast<std::size_t>(index));
}

std::vector<int> RadioGroupContaining(const DialogTemplate& dialogTemplate, int radioId) {
  std::ptrdiff_t index = IndexOf(dialogTemplate, radioId);
  if (index < 0) return {};
  // Walk back to the control that starts the group (or the first control).
  std::size_t start = static_cast<std::size_t>(index);
  while (start > 0 && !dialogTemplate.controls[start].startsGroup) --start;
  return RadioButtonsFrom(dialogTemplate, start);
}

}  // namespace platform
