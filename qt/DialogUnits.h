#pragma once
// Dialog units to pixels, as the dialog manager maps them: x in quarters of the font's average
// character width, y in eighths of its height.
#include <QFont>
#include <QRect>
#include <QSize>

#include "platform/dialog/DialogTemplate.h"

struct DialogBaseUnits {
  double x = 0;  // the average character width: pixels per 4 horizontal units
  int y = 0;     // the character height: pixels per 8 vertical units
};

// The average width is taken over the 52 letters A-Z and a-z, and kept unrounded: rounded to
// whole pixels it would lose up to a twelfth of every width, and captions that fit their
// templates would be cut off.
DialogBaseUnits BaseUnitsFor(const QFont& font);

// Each edge is mapped on its own and rounded, so neighbouring controls neither gap nor overlap
// more than their templates say.
QRect MapDialogRect(const platform::DialogRect& rect, DialogBaseUnits units);
QSize MapDialogSize(int width, int height, DialogBaseUnits units);
