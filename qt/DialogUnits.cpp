#include "qt/DialogUnits.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QString>
#include <cmath>

namespace {

int Scale(int units, double base, int divisor) {
  return static_cast<int>(std::lround(units * base / divisor));
}

}  // namespace

DialogBaseUnits BaseUnitsFor(const QFont& font) {
  QFontMetricsF metrics(font);
  double letters =
      metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  return DialogBaseUnits{letters / 52, QFontMetrics(font).height()};
}

QRect MapDialogRect(const platform::DialogRect& rect, DialogBaseUnits units) {
  int left = Scale(rect.x, units.x, 4);
  int top = Scale(rect.y, units.y, 8);
  int right = Scale(rect.x + rect.width, units.x, 4);
  int bottom = Scale(rect.y + rect.height, units.y, 8);
  return QRect(left, top, right - left, bottom - top);
}

QSize MapDialogSize(int width, int height, DialogBaseUnits units) {
  return QSize(Scale(width, units.x, 4), Scale(height, units.y, 8));
}
