#pragma once
// Dialog template 102: the main dialog, 396 x 279 dialog units, every control in template
// order (which is also the tab order).
#include "platform/dialog/DialogTemplate.h"

const platform::DialogTemplate& MainDialogTemplate();
