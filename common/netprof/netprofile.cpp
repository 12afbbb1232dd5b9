#include "netprofile.h"

#include "namecoding.h"

#include "platform/profile.h"

#include <algorithm>

namespace netprof {

QString readValue(const QString &file, const QString &section, int key)
{
    return win::getPrivateProfileString(section, QString::number(key), QString(),
                                        ValueBufferSize, file);
}

QStringList readSection(const QString &file, const QString &section)
{
    QStringList values;
    values.reserve(KeyCount);
    for (int key = 0; key < KeyCount; ++key)
        values.append(readValue(file, section, key));
    return values;
}

bool sectionHasValues(const QString &file, const QString &section)
{
    const QStringList values = readSection(file, section);
    return std::any_of(values.cbegin(), values.cend(),
                       [](const QString &value) { return !value.isEmpty(); });
}

QStringList groupSections(const QString &file)
{
    QStringList sections;
    for (int key = 0; key < KeyCount; ++key) {
        const QString name = win::getPrivateProfileString(SerialSection, QString::number(key),
                                                          QString(), GroupNameBufferSize, file);
        if (name.isEmpty())
            break;
        sections.append(name);
    }
    return sections;
}

QString groupSection(const QString &installationId)
{
    return QString(UserSection) + QLatin1Char('_') + EncodeName(installationId);
}

} // namespace netprof
