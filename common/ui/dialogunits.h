#pragma once

#include <QSize>

class QFont;

// Dialog templates measure in dialog units: a horizontal unit is a quarter
// of the font's average character width, a vertical one an eighth of its
// character height. These give pixels the way Windows computes them.
namespace ui {

// The dialog base units of a font: the average width of the 52 letters
// A-Z and a-z, rounded (GetTextExtentPoint32 of them, (cx / 26 + 1) / 2),
// and the character height (tmHeight).
QSize dialogBaseUnits(const QFont &font);

// MapDialogRect: MulDiv(x, base width, 4) and MulDiv(y, base height, 8).
QSize dialogUnitsToPixels(const QSize &dialogUnits, const QSize &baseUnits);
QSize dialogUnitsToPixels(const QSize &dialogUnits, const QFont &font);

} // namespace ui
