#include "pathchecks.h"

#include "platform/fileops.h"
#include "platform/findfile.h"
#include "platform/winpath.h"

namespace {

constexpr QChar Backslash = QLatin1Char('\\');
constexpr QLatin1String AllEntries("\\*.*");
// Characters Windows refuses in a path beyond its drive part.
constexpr QStringView ForbiddenChars = u"/*?|:\"><";

bool isDotEntry(const QString &name)
{
    return name == QLatin1String(".") || name == QLatin1String("..");
}

// path + "\*.*" with every doubled backslash after the first character
// collapsed into one, so that "D:\data\" lists D:\data. The first character
// is left alone: a network path keeps its leading "\\".
QString listingPattern(const QString &path, bool withWildcard)
{
    if (!withWildcard)
        return path;
    const QString joined = path + AllEntries;
    QString pattern;
    pattern.reserve(joined.size());
    pattern.append(joined.at(0));
    for (qsizetype i = 1; i < joined.size(); ++i) {
        const QChar c = joined.at(i);
        pattern.append(c);
        if (c.isHighSurrogate() && i + 1 < joined.size()) {
            pattern.append(joined.at(++i));
            continue;
        }
        while (c == Backslash && i + 1 < joined.size() && joined.at(i + 1) == Backslash)
            ++i;
    }
    return pattern;
}

// One search for the path itself, with critical-error boxes switched off
// (an empty floppy or card reader must not stop the check with a dialog).
bool findEntry(const QString &path, win::FindData *found)
{
    const unsigned oldMode = win::setErrorMode(win::SemFailCriticalErrors);
    bool ok = false;
    {
        win::FileFinder finder;
        ok = finder.findFirst(path);
        if (ok)
            *found = finder.current();
    }
    win::setErrorMode(oldMode);
    return ok;
}

PathKind kindOf(const win::FindData &entry)
{
    return entry.directory ? PathKindFolder : PathKindFile;
}

bool isAsciiLetter(QChar c)
{
    return (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
        || (c >= QLatin1Char('a') && c <= QLatin1Char('z'));
}

// "D:\" on a drive the system knows. An unknown letter reports "no root
// directory", which is no drive root either.
bool isKnownDriveRoot(const QString &path)
{
    if (path.size() != 3 || !isAsciiLetter(path.at(0)) || path.at(1) != QLatin1Char(':')
        || path.at(2) != Backslash)
        return false;
    const win::DriveType type = win::driveType(path);
    return type != win::DriveType::Unknown && type != win::DriveType::NoRootDir;
}

bool isMalformedAt(const QString &path, qsizetype i)
{
    const QChar c = path.at(i);
    return path.at(1) != QLatin1Char(':') || path.at(2) != Backslash
        || path.back() == Backslash || ForbiddenChars.contains(c)
        || (c == Backslash && i + 1 < path.size() && path.at(i + 1) == Backslash);
}

} // namespace

win::ErrorCode ProbeFolder(const QString &path, bool withWildcard)
{
    win::FileFinder finder;
    if (!finder.findFirst(withWildcard ? path + AllEntries : path))
        return win::lastError();
    return win::error::Success;
}

bool FolderExists(const QString &path, bool withWildcard)
{
    win::FileFinder finder;
    return finder.findFirst(listingPattern(path, withWildcard));
}

bool FolderHasEntries(const QString &path, bool withWildcard)
{
    win::FileFinder finder;
    bool found = finder.findFirst(listingPattern(path, withWildcard));
    while (found && isDotEntry(finder.current().name))
        found = finder.findNext();
    return found;
}

PathKind GetPathKind(const QString &path)
{
    win::FindData found;
    if (findEntry(path, &found))
        return kindOf(found);

    const qsizetype size = path.size();
    if (size < 2 || path.at(size - 1) != Backslash || path.at(size - 2).isHighSurrogate())
        return PathKindNone;
    if (isKnownDriveRoot(path))
        return PathKindFolder;
    if (findEntry(path.left(size - 1), &found))
        return kindOf(found);
    return PathKindNone;
}

ShelfPathSyntax CheckShelfPathSyntax(const QString &path)
{
    if (path.size() < 3)
        return ShelfPathSyntax::TooShort;
    // A longer path does not fit the buffers the folder is made with.
    if (path.size() >= win::MaxPath)
        return ShelfPathSyntax::Malformed;

    // The drive part (the first three characters) is not scanned; surrogate
    // pairs pass as they are.
    for (qsizetype i = 3; i < path.size(); ++i) {
        if (path.at(i).isHighSurrogate()) {
            ++i;
            continue;
        }
        if (isMalformedAt(path, i))
            return ShelfPathSyntax::Malformed;
    }
    if (GetPathKind(path) == PathKindFile)
        return ShelfPathSyntax::Malformed;
    return ShelfPathSyntax::Acceptable;
}

QString PathMissingMessage(const QString &path)
{
    return QStringLiteral("パス(%1)が存在しません。\n%2").arg(path, MalformedPathHint);
}
