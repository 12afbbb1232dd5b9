#include "registry.h"

#include "ntfsnames.h"

#include <QFile>
#include <QStringDecoder>

namespace win {

namespace {

const QByteArray Utf16Bom("\xFF\xFE", 2);
const QByteArray Utf8Bom("\xEF\xBB\xBF", 3);

QStringList logicalLines(const QByteArray &bytes)
{
    QString text;
    if (bytes.startsWith(Utf16Bom))
        text = QStringDecoder(QStringConverter::Utf16LE).decode(bytes.mid(Utf16Bom.size()));
    else
        text = QString::fromUtf8(bytes.startsWith(Utf8Bom) ? bytes.mid(Utf8Bom.size()) : bytes);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));

    // Long hex data goes on over lines that end with a backslash.
    QStringList lines;
    QString pending;
    for (const QString &raw : text.split(QLatin1Char('\n'))) {
        const QString line = raw.trimmed();
        const bool continues = line.endsWith(QLatin1Char('\\'))
                               && (!pending.isEmpty() || line.contains(QLatin1String("=hex"), Qt::CaseInsensitive));
        if (continues) {
            pending += line.chopped(1);
            continue;
        }
        lines.append(pending + line);
        pending.clear();
    }
    if (!pending.isEmpty())
        lines.append(pending);
    return lines;
}

// A quoted name or string from position *at (on the opening quote), with
// the export format's escapes \\ and \"; *at ends after the closing quote.
std::optional<QString> quoted(const QString &line, qsizetype *at)
{
    if (*at >= line.size() || line.at(*at) != QLatin1Char('"'))
        return std::nullopt;
    QString text;
    for (qsizetype i = *at + 1; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (c == QLatin1Char('\\') && i + 1 < line.size()) {
            text += line.at(++i);
        } else if (c == QLatin1Char('"')) {
            *at = i + 1;
            return text;
        } else {
            text += c;
        }
    }
    return std::nullopt;
}

QByteArray hexBytes(const QString &list)
{
    QByteArray bytes;
    for (const QString &item : list.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        bool ok = false;
        const uint byte = item.trimmed().toUInt(&ok, 16);
        if (ok && byte <= 0xFF)
            bytes.append(char(byte));
    }
    return bytes;
}

RegistryValue parseData(const QString &data)
{
    RegistryValue value;
    qsizetype at = 0;
    if (const std::optional<QString> text = quoted(data, &at)) {
        value.type = RegistryValue::Type::String;
        value.text = *text;
    } else if (data.startsWith(QLatin1String("dword:"), Qt::CaseInsensitive)) {
        bool ok = false;
        value.dword = data.mid(6).trimmed().toUInt(&ok, 16);
        if (ok)
            value.type = RegistryValue::Type::Dword;
    } else if (data.startsWith(QLatin1String("hex(7):"), Qt::CaseInsensitive)) {
        value.type = RegistryValue::Type::MultiString;
        const QByteArray bytes = hexBytes(data.mid(7));
        const QString all = QStringDecoder(QStringConverter::Utf16LE).decode(bytes);
        for (const QString &item : all.split(QChar(0))) {
            if (item.isEmpty())
                break;
            value.strings.append(item);
        }
    }
    return value;
}

bool isMachineKey(const QString &section, const QString &keyPath)
{
    for (const char *root : {"HKEY_LOCAL_MACHINE\\", "HKLM\\"}) {
        const QString prefix = QString::fromLatin1(root);
        if (section.startsWith(prefix, Qt::CaseInsensitive))
            return ntfsEqual(section.mid(prefix.size()), keyPath);
    }
    return false;
}

QString trimmedBackslashes(QString path)
{
    while (path.startsWith(QLatin1Char('\\')))
        path.remove(0, 1);
    while (path.endsWith(QLatin1Char('\\')))
        path.chop(1);
    return path;
}

} // namespace

std::optional<RegistryValue> readMachineValue(const QString &keyPath, const QString &valueName)
{
    const QString fileName = qEnvironmentVariable("TESSERA_REGISTRY");
    QFile file(fileName);
    if (fileName.isEmpty() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QString key = trimmedBackslashes(keyPath);

    // Later lines win, as when the file is imported.
    std::optional<RegistryValue> found;
    bool inKey = false;
    for (const QString &line : logicalLines(file.readAll())) {
        if (line.startsWith(QLatin1Char('['))) {
            inKey = line.endsWith(QLatin1Char(']'))
                    && isMachineKey(trimmedBackslashes(line.mid(1, line.size() - 2)), key);
            continue;
        }
        if (!inKey)
            continue;
        qsizetype at = 0;
        std::optional<QString> name;
        if (line.startsWith(QLatin1Char('@'))) {
            name = QString();
            at = 1;
        } else {
            name = quoted(line, &at);
        }
        if (!name || at >= line.size() || line.at(at) != QLatin1Char('=')
            || name->compare(valueName, Qt::CaseInsensitive) != 0)
            continue;
        const QString data = line.mid(at + 1).trimmed();
        if (data == QLatin1String("-"))
            found.reset();
        else
            found = parseData(data);
    }
    return found;
}

} // namespace win
