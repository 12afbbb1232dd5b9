#include "basicinfocells.h"

#include "gxtemp.h"

#include <array>

namespace writer::basicinfo {

namespace {

struct ColourMarker
{
    QLatin1String marker;
    int colour;
    bool hidesValue;
};

constexpr std::array<ColourMarker, 5> ColourMarkers{{
    {GXTemp::MarkerB001, 1, false},
    {GXTemp::MarkerB002, 2, false},
    {GXTemp::MarkerB003, 3, false},
    {GXTemp::MarkerB004, WarningColour, true},
    {GXTemp::MarkerB005, WarningColour, true},
}};

// The text up to the identifier marker; the construction one decides when
// both are there.
QString cutAtIdentifierMarker(const QString &text)
{
    for (const QLatin1String marker : {GXTemp::MarkerKJJH, GXTemp::MarkerSSJH}) {
        const qsizetype at = text.indexOf(marker);
        if (at >= 0)
            return text.left(at);
    }
    return text;
}

} // namespace

ValueCell valueCell(const QString &value)
{
    for (const ColourMarker &entry : ColourMarkers) {
        if (!value.startsWith(entry.marker))
            continue;
        if (entry.hidesValue)
            return {QString(), entry.colour};
        return {cutAtIdentifierMarker(value.mid(entry.marker.size())), entry.colour};
    }
    return {cutAtIdentifierMarker(value), NoColour};
}

QString labelCell(const QString &label)
{
    if (label.startsWith(GXTemp::MarkerB004) || label.startsWith(GXTemp::MarkerB005))
        return QString();
    return label;
}

QString rowColourEntry(int colour)
{
    return QString::number(colour) + QLatin1Char(',');
}

} // namespace writer::basicinfo
