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
    void close();

private:
    bool findNamed(const QString &hostFolder, const QString &name);
    bool listMatches(const QString &hostFolder, const QString &pattern, bool driveRoot);

    QList<FindData> m_entries;
    qsizetype m_position = -1;
    FindData m_current;
};

} // namespace win
