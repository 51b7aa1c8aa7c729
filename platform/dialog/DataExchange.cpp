#include "platform/dialog/DataExchange.h"

#include <cstddef>
#include <vector>

#include "platform/dialog/CDialog.h"

namespace platform {

void DDX_Text(CDataExchange& dx, int id, std::string& value) {
  DialogWindow* window = dx.Dialog().Window();
  if (!window) return;
  if (dx.SaveAndValidate()) {
    value = window->ControlText(id);
  } else {
    window->SetControlText(id, value);
  }
}

void DDX_Check(CDataExchange& dx, int id, int& value) {
  DialogWindow* window = dx.Dialog().Window();
  if (!window) return;
  if (dx.SaveAndValidate()) {
    value = window->CheckState(id);
  } else {
    window->SetCheckState(id, value);
  }
}

void DDX_Radio(CDataExchange& dx, int firstId, int& value) {
  DialogWindow* window = dx.Dialog().Window();
  if (!window) return;
  std::vector<int> group = RadioGroupIds(dx.Dialog().Template(), firstId);
  if (dx.SaveAndValidate()) {
    value = -1;
    for (std::size_t i = 0; i < group.size(); ++i) {
      if (window->CheckState(group[i]) != 0) {
        value = static_cast<int>(i);
        break;
      }
    }
  } else {
    for (std::size_t i = 0; i < group.size(); ++i) {
      window->SetCheckState(group[i], static_cast<int>(i) == value ? 1 : 0);
    }
  }
}

}  // namespace platform
