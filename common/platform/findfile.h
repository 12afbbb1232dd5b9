#pragma once

#include "winerror.h"

#include <QString>
#include <QStringList>

// FindFirstFileW / FindNextFileW / FindClose. A pattern is a folder path
// followed by a name that may hold '*' and '?' ("D:\deliv\*.*"), matched
// with Windows' rules (see wildcardpattern.h: "*.*" is everything, "*." the
// names without extension); without a wildcard the pattern finds the named
// entry itself, under its name on disk ("KOUJI.XML" finds "kouji.xml"). A
// pattern that ends in a backslash ("D:\data\", "D:\") finds nothing.
// Listings with a wildcard report "." and ".." first when they match, as
// Windows does for folders that are not drive roots, then the entries in
// the order an NTFS volume lists them (names compared upper-cased, code
// unit by code unit). The whole listing is read by findFirst.
//
// Only files and folders are found, as a Windows volume holds nothing
// else: a symbolic link (to a file or a folder, inside the tree or out of
// it, dangling or not), a named pipe, a socket or a device is neither
// listed nor found by its name. So a walk over the listings never leaves
// the folder it started from, never enters a folder twice and counts only
// files that are there. Names are the entries' Windows names
// (hostnames.h); an entry that no Windows name can stand for is not listed
// either, but kept apart for the caller to report.
namespace win {

struct FindData
{
    QString name;
    bool directory = false;
    qint64 size = 0;
};

class FileFinder
{
public:
    FileFinder() = default;
    ~FileFinder();
    Q_DISABLE_COPY_MOVE(FileFinder)

    // False when nothing matches or the folder cannot be listed; the last
    // error tells why: FileNotFound (folder exists, no match), PathNotFound,
    // AccessDenied, InvalidName, FilenameExcedRange.
    bool findFirst(const QString &pattern);
    // False at the end of the listing (last error NoMoreFiles).
    bool findNext();
    const FindData &current() const { return m_current; }
    // Files and folders of the last listing that matched the pattern but
    // have no Windows name (hostnames.h), named with U+FFFD for the bytes
    // that could not be read, in listing order.
    const QList<FindData> &unmappableEntries() const;
    void close();

private:
    bool findNamed(const QString &hostFolder, const QString &name);
    bool listMatches(const QString &hostFolder, const QString &pattern, bool driveRoot);

    QList<FindData> m_entries;
    QList<FindData> m_unmappable;
    qsizetype m_position = -1;
    FindData m_current;
};

} // namespace win
