#include "hostentry.h"

#include <QFile>

#include <sys/stat.h>

namespace win {

HostEntry HostEntry::of(const QString &hostPath)
{
    HostEntry entry;
    const QByteArray path = QFile::encodeName(hostPath);
    struct stat info;
    if (::stat(path.constData(), &info) != 0 && ::lstat(path.constData(), &info) != 0)
        return entry;
    entry.exists = true;
    entry.directory = S_ISDIR(info.st_mode);
    entry.readOnly = (info.st_mode & S_IWUSR) == 0;
    return entry;
}

} // namespace win
