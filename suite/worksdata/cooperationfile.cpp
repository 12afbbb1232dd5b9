#include "cooperationfile.h"

#include "platform/profile.h"
#include "platform/winpath.h"

#include <QFileInfo>

namespace worksdata {

namespace {

const QString CountSection = QStringLiteral("Cooperation");
const QString CountKey = QStringLiteral("Count");
const QString NameKey = QStringLiteral("Name");
const QString ProgramKey = QStringLiteral("Program");
const QString CodesKey = QStringLiteral("Codes");
constexpr int ValueSize = 1024;

QString programSection(int number)
{
    return QStringLiteral("Program%1").arg(number);
}

QList<int> parseCodes(const QString &text)
{
    QList<int> codes;
    for (const QString &item : text.split(u',', Qt::SkipEmptyParts)) {
        bool ok = false;
        const int code = item.trimmed().toInt(&ok);
        if (ok)
            codes.append(code);
    }
    return codes;
}

} // namespace

int cooperatorCount(const QString &iniPath)
{
    return qMax(0, win::getPrivateProfileInt(CountSection, CountKey, 0, iniPath));
}

std::optional<Cooperator> readCooperator(const QString &iniPath, int number)
{
    if (number < 0 || number >= cooperatorCount(iniPath))
        return std::nullopt;
    const QString section = programSection(number);
    Cooperator cooperator;
    cooperator.name = win::getPrivateProfileString(section, NameKey, QString(),
                                                   CooperatorNameSize, iniPath);
    cooperator.program =
        win::getPrivateProfileString(section, ProgramKey, QString(), ValueSize, iniPath);
    cooperator.codes = parseCodes(
        win::getPrivateProfileString(section, CodesKey, QString(), ValueSize, iniPath));
    return cooperator;
}

bool isCooperatorInstalled(const Cooperator &cooperator, int standardCode)
{
    if (cooperator.program.isEmpty())
        return false;
    if (!cooperator.codes.isEmpty() && !cooperator.codes.contains(standardCode))
        return false;
    const QString hostPath = win::toHostPath(cooperator.program);
    return !hostPath.isEmpty() && QFileInfo(hostPath).isFile();
}

} // namespace worksdata
