#include "fuzzsupport.h"

#include "platform/winpath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace fuzz {

namespace {

const QString &scratchDrive()
{
    static QTemporaryDir folder;
    static const QString drive = [] {
        win::mapDrive(QLatin1Char('F'), folder.path());
        return QStringLiteral("F:\\");
    }();
    return drive;
}

} // namespace

QString writeInput(const QString &fileName, const std::uint8_t *data, std::size_t size)
{
    const QString path = scratchDrive() + fileName;
    QFile file(win::toHostPath(path));
    // A file in a folder of the drive makes its folder the first time.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        && !(QDir().mkpath(QFileInfo(file.fileName()).path())
             && file.open(QIODevice::WriteOnly | QIODevice::Truncate)))
        return {};
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    file.close();
    return path;
}

} // namespace fuzz
