#include "characterlistfile.h"

#include "platform/fileops.h"

#include <QtEndian>

namespace writer::characterlistfile {

std::optional<QList<char16_t>> readUnits(const QString &path, int units)
{
    QByteArray bytes;
    if (!win::readFileStart(path, qsizetype(units) * 2, &bytes))
        return std::nullopt;
    QList<char16_t> result(units, 0);
    for (qsizetype i = 0; i < bytes.size() / 2; ++i)
        result[i] = char16_t(qFromLittleEndian<quint16>(bytes.constData() + 2 * i));
    return result;
}

} // namespace writer::characterlistfile
