#pragma once

#include <QString>

// How DeliveryWriter's basic-information page (134) shows the markers that
// DNInfMake puts into GXTemp: a B marker at the start of a value colours the
// row's label cell (B004 and B005 also hide the value), KJJH and SSJH cut
// the value at their place.
namespace writer::basicinfo {

// Row colour numbers as m_strRowColors carries them.
inline constexpr int NoColour = 0;
inline constexpr int WarningColour = 4;

struct ValueCell
{
    QString text;
    int colour = NoColour;
};

// The value cell's text and the row's colour number for one piece of a value.
ValueCell valueCell(const QString &value);
// The label as shown: empty when it begins with B004 or B005.
QString labelCell(const QString &label);
// The m_strRowColors entry of a row.
QString rowColourEntry(int colour);

} // namespace writer::basicinfo
