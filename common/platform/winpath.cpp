#include "winpath.h"

#include "drivetable.h"
#include "hostnames.h"
#include "pathresolver.h"

#include <QDir>

namespace win {

void mapDrive(QChar letter, const QString &hostFolder)
{
    DriveTable::instance().map(letter, hostFolder);
}

void unmapDrive(QChar letter)
{
    DriveTable::instance().unmap(letter);
}

void resetDrives()
{
    DriveTable::instance().reset();
}

QString driveHostFolder(QChar letter)
{
    return DriveTable::instance().hostFolder(letter);
}

QString toHostPath(const QString &windowsPath, ErrorCode *error)
{
    const WindowsPathParts parts = splitWindowsPath(windowsPath);
    ErrorCode code = parts.error;
    QString hostPath;
    if (code == error::Success) {
        const QString folder = driveHostFolder(parts.drive);
        if (folder.isEmpty())
            code = error::PathNotFound;
        else
            hostPath = resolveComponents(folder, parts.components);
    }
    if (error)
        *error = code;
    return hostPath;
}

QString toWindowsPath(const QString &hostPath)
{
    if (hostPath.isEmpty())
        return QString();
    const QString clean = QDir::cleanPath(QDir(hostPath).absolutePath());
    const DriveTable::Match match = DriveTable::instance().match(clean);
    if (match.letter.isNull())
        return QString();
    // Each name as the listing shows it (hostnames.h).
    QStringList names = match.rest.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (QString &name : names) {
        name = windowsName(name);
        if (name.isNull())
            return QString();
    }
    return QString(match.letter) + QLatin1String(":\\") + names.join(QLatin1Char('\\'));
}

} // namespace win
