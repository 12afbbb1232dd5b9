#include "photocopy.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace host {

namespace {

constexpr size_t BufferBytes = 64 * 1024;
constexpr mode_t PhotoMode = 0644;

// Closes the descriptor when it goes out of scope.
class Descriptor final
{
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Q_DISABLE_COPY_MOVE(Descriptor)

    int get() const { return m_fd; }
    // Closes now: a write the kernel reports only at close counts.
    bool close()
    {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

bool writeAll(int fd, const char *data, ssize_t size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size_t(size));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        size -= written;
    }
    return true;
}

// copy_file_range lets the kernel copy without bringing the bytes up here;
// a read/write loop where the file system does not take it.
bool copyContents(int from, int to, qint64 size)
{
    qint64 left = size;
    while (left > 0) {
        const ssize_t copied = ::copy_file_range(from, nullptr, to, nullptr, size_t(left), 0);
        if (copied > 0) {
            left -= copied;
            continue;
        }
        if (copied < 0 && errno == EINTR)
            continue;
        if (copied < 0 && (errno == EXDEV || errno == ENOSYS || errno == EINVAL || errno == EOPNOTSUPP)
            && left == size)
            break;
        return copied == 0 && left == 0;
    }
    if (left == 0)
        return true;
    char buffer[BufferBytes];
    for (;;) {
        const ssize_t got = ::read(from, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return false;
        if (got == 0)
            return true;
        if (!writeAll(to, buffer, got))
            return false;
    }
}

} // namespace

bool copyPhotoFile(const QString &source, const QString &target, qint64 *bytes)
{
    const QByteArray targetName = QFile::encodeName(target);
    Descriptor from(::open(QFile::encodeName(source).constData(), O_RDONLY | O_CLOEXEC));
    struct stat status {};
    if (from.get() < 0 || ::fstat(from.get(), &status) != 0 || !S_ISREG(status.st_mode))
        return false;
    Descriptor to(::open(targetName.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, PhotoMode));
    if (to.get() < 0)
        return false;
    if (!copyContents(from.get(), to.get(), status.st_size) || !to.close()) {
        ::unlink(targetName.constData());
        return false;
    }
    *bytes = status.st_size;
    return true;
}

bool syncVolume(const QString &path)
{
    const Descriptor folder(::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC));
    return folder.get() >= 0 && ::syncfs(folder.get()) == 0;
}

} // namespace host
