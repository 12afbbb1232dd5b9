#include "runtimefolder.h"

#include "hostentry.h"

#include <QCryptographicHash>

namespace win {

QString runtimeFolder()
{
    for (const char *variable : {"XDG_RUNTIME_DIR", "TMPDIR"}) {
        const QString folder = qEnvironmentVariable(variable);
        if (!folder.isEmpty() && HostEntry::of(folder).directory)
            return folder;
    }
    return QStringLiteral("/tmp");
}

QString runtimeFileName(const char *kind, const QString &name)
{
    const QByteArray hash = QCryptographicHash::hash(name.toUtf8(), QCryptographicHash::Sha1).toHex();
    return runtimeFolder() + QStringLiteral("/tessera-") + QLatin1String(kind) + QLatin1Char('-')
           + QLatin1String(hash);
}

} // namespace win
