#include "hostpaths.h"

#include "platform/winpath.h"

#include <QDir>
#include <QRegularExpression>

namespace host {

bool isWindowsPath(const QString &path)
{
    static const QRegularExpression drive(QStringLiteral("^[A-Za-z]:[\\\\/]"));
    return drive.match(path).hasMatch();
}

QString windowsPathOf(const QString &path)
{
    return isWindowsPath(path) ? path
                               : win::toWindowsPath(QDir::cleanPath(QDir(path).absolutePath()));
}

QString hostPathOf(const QString &path)
{
    return isWindowsPath(path) ? win::toHostPath(path) : QDir(path).absolutePath();
}

} // namespace host
