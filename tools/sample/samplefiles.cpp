#include "samplefiles.h"

#include <QDir>
#include <QFile>

namespace samplefiles {

bool prepareEmptyFolder(const QString &path, QString *error)
{
    const QDir folder(path);
    if (folder.exists()
        && !folder.isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)) {
        *error = QStringLiteral("%1 is not empty").arg(path);
        return false;
    }
    return makeFolder(path, error);
}

bool makeFolder(const QString &path, QString *error)
{
    if (QDir().mkpath(path))
        return true;
    *error = QStringLiteral("cannot create %1").arg(path);
    return false;
}

bool writeFile(const QString &path, const QByteArray &bytes, QString *error)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size()
        && file.flush()) {
        return true;
    }
    *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
    return false;
}

} // namespace samplefiles
