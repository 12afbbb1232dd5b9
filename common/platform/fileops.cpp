#include "fileops.h"

#include "hostentry.h"
#include "hosterror.h"
#include "hostnames.h"
#include "pathresolver.h"
#include "winpath.h"

#include <QFile>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace win {

namespace {

std::atomic<unsigned> g_errorMode{0};

// The host path of an existing file or folder; empty with the last error
// set when it is missing or the path is refused.
QString existingHostPath(const QString &path, HostEntry *entry)
{
    ErrorCode code = error::Success;
    const QString host = toHostPath(path, &code);
    if (code != error::Success) {
        setLastError(code);
        return QString();
    }
    *entry = HostEntry::of(host);
    if (!entry->exists) {
        setLastError(missingEntryError(host));
        return QString();
    }
    return host;
}

QString hostPathOrFail(const QString &path)
{
    ErrorCode code = error::Success;
    const QString host = toHostPath(path, &code);
    if (code != error::Success)
        setLastError(code);
    return host;
}

bool copyContents(int from, int to)
{
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(from, buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (got == 0)
            return true;
        for (ssize_t done = 0; done < got;) {
            const ssize_t put = ::write(to, buffer + done, size_t(got - done));
            if (put < 0) {
                if (errno == EINTR)
                    continue;
                return false;
            }
            done += put;
        }
    }
}

// The copy goes to a temporary file beside the target that is renamed
// over it at the end, so a failed copy (full disk, unreadable source)
// never leaves a half-written target behind. Windows keeps the source's
// attributes and last write time, and so does this.
bool copyThroughTemporary(const QString &sourceHost, const QString &targetHost, bool failIfExists)
{
    const int source = openHostFile(sourceHost, O_RDONLY);
    if (source < 0)
        return failFromErrno(errno);
    struct stat info;
    ::fstat(source, &info);

    QByteArray temporary = hostPathBytes(targetHost) + ".copy-XXXXXX";
    const int target = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (target < 0) {
        const int reason = errno;
        ::close(source);
        return fail(reason == ENOENT || reason == ENOTDIR ? error::PathNotFound
                                                          : errorFromErrno(reason));
    }
    const struct timespec times[2] = {info.st_atim, info.st_mtim};
    bool ok = copyContents(source, target) && ::fchmod(target, info.st_mode & 07777) == 0
              && ::futimens(target, times) == 0 && ::fsync(target) == 0;
    int reason = errno;
    ok = ::close(target) == 0 && ok;
    ::close(source);
    if (ok) {
        const QByteArray finalName = hostPathBytes(targetHost);
        ok = failIfExists ? ::renameat2(AT_FDCWD, temporary.constData(), AT_FDCWD,
                                        finalName.constData(), RENAME_NOREPLACE) == 0
                          : ::rename(temporary.constData(), finalName.constData()) == 0;
        reason = errno;
    }
    if (!ok) {
        ::unlink(temporary.constData());
        return fail(reason == EEXIST ? error::FileExists : errorFromErrno(reason));
    }
    return true;
}

bool isWindowsForm(const QString &path)
{
    return path.size() >= 3 && path.at(0).isLetter() && path.at(0).unicode() < 0x80
           && path.at(1) == QLatin1Char(':')
           && (path.at(2) == QLatin1Char('\\') || path.at(2) == QLatin1Char('/'));
}

} // namespace

bool createDirectory(const QString &path)
{
    const QString host = hostPathOrFail(path);
    if (host.isEmpty())
        return false;
    if (::mkdir(hostPathBytes(host).constData(), 0777) == 0)
        return true;
    const int reason = errno;
    return fail(reason == ENOENT || reason == ENOTDIR ? error::PathNotFound : errorFromErrno(reason));
}

bool copyFile(const QString &source, const QString &target, bool failIfExists)
{
    HostEntry from;
    const QString sourceHost = existingHostPath(source, &from);
    if (sourceHost.isEmpty())
        return false;
    if (from.directory)
        return fail(error::AccessDenied);
    const QString targetHost = hostPathOrFail(target);
    if (targetHost.isEmpty())
        return false;
    const HostEntry to = HostEntry::of(targetHost);
    if (to.exists && failIfExists)
        return fail(error::FileExists);
    if (to.directory || to.readOnly)
        return fail(error::AccessDenied);
    return copyThroughTemporary(sourceHost, targetHost, failIfExists);
}

bool moveFileReplace(const QString &source, const QString &target)
{
    HostEntry from;
    const QString sourceHost = existingHostPath(source, &from);
    if (sourceHost.isEmpty())
        return false;
    const QString targetHost = hostPathOrFail(target);
    if (targetHost.isEmpty())
        return false;
    const HostEntry to = HostEntry::of(targetHost);
    if (to.exists && (to.directory || to.readOnly))
        return fail(error::AccessDenied);
    if (::rename(hostPathBytes(sourceHost).constData(), hostPathBytes(targetHost).constData()) == 0)
        return true;
    const int reason = errno;
    return fail(reason == ENOENT || reason == ENOTDIR ? error::PathNotFound : errorFromErrno(reason));
}

bool deleteFile(const QString &path)
{
    HostEntry entry;
    const QString host = existingHostPath(path, &entry);
    if (host.isEmpty())
        return false;
    if (entry.directory || entry.readOnly)
        return fail(error::AccessDenied);
    if (::unlink(hostPathBytes(host).constData()) != 0)
        return failFromErrno(errno);
    return true;
}

bool readFileStart(const QString &path, qsizetype maxBytes, QByteArray *bytes)
{
    HostEntry entry;
    const QString host = existingHostPath(path, &entry);
    if (host.isEmpty())
        return false;
    if (entry.directory)
        return fail(error::AccessDenied);
    const int file = openHostFile(host, O_RDONLY);
    if (file < 0)
        return fail(errno == ENOENT ? missingEntryError(host) : errorFromErrno(errno));
    bytes->resize(qMax<qsizetype>(maxBytes, 0));
    qsizetype done = 0;
    while (done < bytes->size()) {
        const ssize_t got = ::read(file, bytes->data() + done, size_t(bytes->size() - done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            const int reason = errno;
            ::close(file);
            bytes->clear();
            return failFromErrno(reason);
        }
        if (got == 0)
            break;
        done += got;
    }
    ::close(file);
    bytes->truncate(done);
    return true;
}

bool setFileAttributesNormal(const QString &path)
{
    HostEntry entry;
    const QString host = existingHostPath(path, &entry);
    if (host.isEmpty())
        return false;
    const QByteArray hostName = hostPathBytes(host);
    struct stat info;
    if (::stat(hostName.constData(), &info) != 0)
        return failFromErrno(errno);
    if (::chmod(hostName.constData(), (info.st_mode & 07777) | S_IWUSR) != 0)
        return failFromErrno(errno);
    return true;
}

DriveType driveType(const QString &rootPath)
{
    QString path = rootPath;
    path.replace(QLatin1Char('/'), QLatin1Char('\\'));
    // "D:" stands for the drive as "D:\" does; any other folder must be
    // named with its trailing backslash, as for a volume mounted there.
    if (path.size() == 2 && path.at(1) == QLatin1Char(':'))
        path += QLatin1Char('\\');
    if (!path.endsWith(QLatin1Char('\\')))
        return DriveType::NoRootDir;
    ErrorCode code = error::Success;
    const QString host = toHostPath(path, &code);
    if (code != error::Success || !HostEntry::of(host).directory)
        return DriveType::NoRootDir;
    return DriveType::Fixed;
}

QString shortPathName(const QString &path)
{
    HostEntry entry;
    if (existingHostPath(path, &entry).isEmpty())
        return QString();
    return path;
}

QString tempPath()
{
    QStringList candidates;
    for (const char *variable : {"TMP", "TEMP"}) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty())
            candidates.append(value);
    }
    // The system's temp folder, as the C library and Qt find it.
    const QString system = qEnvironmentVariable("TMPDIR");
    candidates.append(system.isEmpty() ? QStringLiteral("/tmp") : system);
    for (const QString &candidate : std::as_const(candidates)) {
        QString windows;
        if (isWindowsForm(candidate)) {
            windows = candidate;
            windows.replace(QLatin1Char('/'), QLatin1Char('\\'));
        } else {
            windows = toWindowsPath(candidate);
        }
        if (windows.isEmpty())
            continue;
        if (!windows.endsWith(QLatin1Char('\\')))
            windows += QLatin1Char('\\');
        return windows;
    }
    setLastError(error::PathNotFound);
    return QString();
}

QString moduleFileName()
{
    const QString program = QFile::symLinkTarget(QStringLiteral("/proc/self/exe"));
    const QString windows = toWindowsPath(program);
    if (windows.isEmpty())
        setLastError(error::PathNotFound);
    return windows;
}

unsigned setErrorMode(unsigned mode)
{
    return g_errorMode.exchange(mode);
}

} // namespace win
