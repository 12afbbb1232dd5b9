#pragma once

#include <QString>

#include <optional>

// What a host path names, in the terms Windows uses for it.
namespace win {

struct HostEntry
{
    bool exists = false;
    bool directory = false;
    // The owner may not write: the host's form of the read-only attribute,
    // which Windows honours even for administrators (so it is checked
    // here rather than left to open(), which lets root write anything).
    bool readOnly = false;

    // Links are followed; a dangling link is an existing file.
    static HostEntry of(const QString &hostPath);
};

// One state of a file: which file it is on its volume, its size and the
// time of its last write. A file replaced by a rename is another file; one
// written in place has another time.
struct FileStamp
{
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = 0;
    qint64 modifiedNanoseconds = 0;

    static std::optional<FileStamp> ofDescriptor(int fd);
    static std::optional<FileStamp> ofPath(const QString &hostPath);
    bool operator==(const FileStamp &) const = default;
};

// open(2) of what Windows would open: a regular file, or a new one when the
// flags create it. A named pipe, a socket or a device fails with ENOENT, as
// if it were missing, and is not opened on the way (a read would block on a
// pipe); a folder fails with EISDIR. The descriptor is close-on-exec and
// blocking; -1 with errno set.
int openHostFile(const QString &hostPath, int flags, unsigned mode = 0666);

} // namespace win
