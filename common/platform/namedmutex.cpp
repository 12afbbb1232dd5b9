#include "namedmutex.h"

#include "hosterror.h"
#include "runtimefolder.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace win {

// The mutex is an flock() on a lock file: the kernel drops the lock when
// the process ends in any way, crashes included, so no stale owner can
// remain. The file itself stays; removing it would race with a process
// that has just opened it.
struct NamedMutex::Private
{
    int fd = -1;

    void release()
    {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
};

NamedMutex::NamedMutex()
    : d(std::make_unique<Private>())
{
}

NamedMutex::~NamedMutex()
{
    d->release();
}

NamedMutex::Result NamedMutex::create(const QString &name)
{
    d->release();
    setLastError(error::Success);
    if (name.isEmpty())
        return Result::Created;  // an unnamed mutex is always new

    const QByteArray path = QFile::encodeName(runtimeFileName("mutex", name));
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) {
        setLastError(errorFromErrno(errno));
        return Result::Failed;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        d->fd = fd;
        return Result::Created;
    }
    const int reason = errno;
    ::close(fd);
    if (reason == EWOULDBLOCK) {
        setLastError(error::AlreadyExists);
        return Result::AlreadyExists;
    }
    setLastError(errorFromErrno(reason));
    return Result::Failed;
}

} // namespace win
