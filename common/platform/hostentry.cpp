#include "hostentry.h"

#include "hostnames.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace win {

HostEntry HostEntry::of(const QString &hostPath)
{
    HostEntry entry;
    const QByteArray path = hostPathBytes(hostPath);
    struct stat info;
    if (::stat(path.constData(), &info) != 0 && ::lstat(path.constData(), &info) != 0)
        return entry;
    entry.exists = true;
    entry.directory = S_ISDIR(info.st_mode);
    entry.readOnly = (info.st_mode & S_IWUSR) == 0;
    return entry;
}

namespace {

FileStamp stampOf(const struct stat &info)
{
    return {quint64(info.st_dev), quint64(info.st_ino), qint64(info.st_size),
            qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec};
}

int refuseKind(mode_t kind)
{
    errno = S_ISDIR(kind) ? EISDIR : ENOENT;
    return -1;
}

} // namespace

std::optional<FileStamp> FileStamp::ofDescriptor(int fd)
{
    struct stat info;
    if (::fstat(fd, &info) != 0)
        return std::nullopt;
    return stampOf(info);
}

std::optional<FileStamp> FileStamp::ofPath(const QString &hostPath)
{
    struct stat info;
    if (::stat(hostPathBytes(hostPath).constData(), &info) != 0)
        return std::nullopt;
    return stampOf(info);
}

int openHostFile(const QString &hostPath, int flags, unsigned mode)
{
    const QByteArray path = hostPathBytes(hostPath);
    struct stat info {};
    if (::stat(path.constData(), &info) == 0 && !S_ISREG(info.st_mode))
        return refuseKind(info.st_mode);
    // Non-blocking until the descriptor shows a regular file: the entry may
    // have become a pipe since it was looked at.
    const int fd = ::open(path.constData(), flags | O_NONBLOCK | O_CLOEXEC, mode_t(mode));
    if (fd < 0)
        return errno == ENXIO ? refuseKind(S_IFIFO) : -1;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        const mode_t kind = info.st_mode;
        ::close(fd);
        return refuseKind(kind);
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

} // namespace win
