#include "characterlistfile.h"

#include "platform/fileops.h"

#include <QtEndian>

namespace writer::characterlistfile {

QString programFolder()
{
    const QString program = win::moduleFileName();
    return program.left(qMax(program.lastIndexOf(QLatin1Char('\\')), 0));
}

QString path(const QString &folder, QStringView fileName)
{
    QString result = folder;
    if (!result.endsWith(QLatin1Char('\\')))
        result += QLatin1Char('\\');
    return result.append(fileName);
}

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
