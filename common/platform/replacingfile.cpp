#include "replacingfile.h"

#include "hosterror.h"
#include "hostnames.h"

#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace win {

namespace {

// Tries of a fresh temporary name before the folder is taken as unusable.
constexpr int NameAttempts = 16;

QByteArray temporaryName(const QByteArray &target)
{
    return target + ".~" + QByteArray::number(QRandomGenerator::global()->generate(), 16);
}

} // namespace

ReplacingFile::ReplacingFile() = default;

ReplacingFile::~ReplacingFile()
{
    discard();
}

bool ReplacingFile::open(const QString &targetHost)
{
    discard();
    m_target = hostPathBytes(targetHost);
    struct stat existing;
    const bool replaces = ::stat(m_target.constData(), &existing) == 0;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < NameAttempts; ++attempt) {
        m_temporary = temporaryName(m_target);
        // 0666 less the umask, as a new file gets it.
        fd = ::open(m_temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0) {
        m_temporary.clear();
        const qsizetype slash = targetHost.lastIndexOf(QLatin1Char('/'));
        const HostEntry folder = HostEntry::of(slash <= 0 ? QStringLiteral("/") : targetHost.left(slash));
        return fail(folder.directory ? error::AccessDenied : error::PathNotFound);
    }
    if (replaces)
        ::fchmod(fd, existing.st_mode & 07777);
    m_file.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle);
    return true;
}

bool ReplacingFile::commit(std::optional<FileStamp> *written)
{
    if (!m_file.isOpen())
        return fail(error::WriteFault);
    bool ok = m_file.flush() && m_file.error() == QFileDevice::NoError && ::fsync(m_file.handle()) == 0;
    const std::optional<FileStamp> stamp = ok ? FileStamp::ofDescriptor(m_file.handle()) : std::nullopt;
    m_file.close();
    ok = ok && ::rename(m_temporary.constData(), m_target.constData()) == 0;
    if (!ok) {
        discard();
        return fail(error::WriteFault);
    }
    m_temporary.clear();
    if (written)
        *written = stamp;
    return true;
}

void ReplacingFile::discard()
{
    if (m_file.isOpen())
        m_file.close();
    if (!m_temporary.isEmpty())
        ::unlink(m_temporary.constData());
    m_temporary.clear();
}

} // namespace win
