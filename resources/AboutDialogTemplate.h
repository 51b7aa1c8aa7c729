#pragma once
// Dialog template 100: the About box, 235 x 55 dialog units, captioned "About Melvane".
#include "platform/dialog/DialogTemplate.h"

const platform::DialogTemplate& AboutDialogTemplate();
