#include "dialogunits.h"

#include <QFont>
#include <QFontMetrics>

namespace ui {

namespace {

constexpr int HorizontalUnitsPerChar = 4;
constexpr int VerticalUnitsPerChar = 8;

// MulDiv: number * numerator / denominator, rounded half away from zero.
int mulDiv(int number, int numerator, int denominator)
{
    const qint64 product = qint64(number) * numerator;
    const qint64 half = denominator / 2;
    return int(product >= 0 ? (product + half) / denominator : (product - half) / denominator);
}

} // namespace

QSize dialogBaseUnits(const QFont &font)
{
    const QFontMetrics metrics(font);
    const int alphabetWidth = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return QSize((alphabetWidth / 26 + 1) / 2, metrics.height());
}

QSize dialogUnitsToPixels(const QSize &dialogUnits, const QSize &baseUnits)
{
    return QSize(mulDiv(dialogUnits.width(), baseUnits.width(), HorizontalUnitsPerChar),
                 mulDiv(dialogUnits.height(), baseUnits.height(), VerticalUnitsPerChar));
}

QSize dialogUnitsToPixels(const QSize &dialogUnits, const QFont &font)
{
    return dialogUnitsToPixels(dialogUnits, dialogBaseUnits(font));
}

} // namespace ui
