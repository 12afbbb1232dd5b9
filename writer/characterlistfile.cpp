#include "characterlistfile.h"

#include "platform/fileops.h"

#include <QtEndian>

#include <algorithm>

namespace writer::characterlistfile {

std::optional<QList<char16_t>> readUnits(const QString &path, int units)
{
    QByteArray bytes;
    if (!win::readFileStart(path, qsizetype(units) * 2, &bytes))
        return std::nullopt;
    return unitsOf(bytes, units);
}

QList<char16_t> unitsOf(const QByteArray &bytes, int units)
{
    QList<char16_t> result(units, 0);
    const qsizetype given = std::min(bytes.size() / 2, qsizetype(units));
    for (qsizetype i = 0; i < given; ++i)
        result[i] = char16_t(qFromLittleEndian<quint16>(bytes.constData() + 2 * i));
    return result;
}

} // namespace writer::characterlistfile
