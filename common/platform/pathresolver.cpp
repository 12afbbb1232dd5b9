#include "pathresolver.h"

#include "hostnames.h"
#include "ntfsnames.h"
#include "winpath.h"

#include <dirent.h>
#include <sys/stat.h>

namespace win {

namespace {

bool isDriveLetter(QChar c)
{
    return (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
           || (c >= QLatin1Char('a') && c <= QLatin1Char('z'));
}

QString joinComponents(const QString &folder, const QStringList &components, qsizetype count)
{
    QString path = folder;
    for (qsizetype i = 0; i < count; ++i)
        path = joinHostPath(path, components.at(i));
    return path;
}

} // namespace

bool isForbiddenInName(QChar c, bool wildcardsAllowed)
{
    switch (c.unicode()) {
    case u'<':
    case u'>':
    case u':':
    case u'"':
    case u'|':
        return true;
    case u'*':
    case u'?':
        return !wildcardsAllowed;
    default:
        return c.unicode() < 0x20;
    }
}

WindowsPathParts splitWindowsPath(const QString &windowsPath, LastComponent last)
{
    WindowsPathParts parts;
    // Win32 takes a name after "\\?\" beyond MAX_PATH.
    const bool extended = windowsPath.startsWith(ExtendedPathPrefix);
    QString path = extended ? windowsPath.mid(ExtendedPathPrefix.size()) : windowsPath;
    if (path.size() >= (extended ? MaxExtendedPath : MaxPath)) {
        parts.error = error::FilenameExcedRange;
        return parts;
    }
    path.replace(QLatin1Char('/'), QLatin1Char('\\'));
    // Relative paths, "X:name" (relative to a drive's current folder, which
    // this process does not keep), "\name" and UNC names have no place in
    // the drive table.
    if (path.size() < 3 || !isDriveLetter(path.at(0)) || path.at(1) != QLatin1Char(':')
        || path.at(2) != QLatin1Char('\\')) {
        parts.error = error::PathNotFound;
        return parts;
    }
    parts.drive = QChar(QChar::toUpper(path.at(0).unicode()));
    parts.trailingSeparator = path.size() > 3 && path.endsWith(QLatin1Char('\\'));

    const QStringList raw = path.mid(3).split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const QString &name = raw.at(i);
        const bool pattern = last == LastComponent::Pattern && i == raw.size() - 1
                             && !parts.trailingSeparator;
        for (const QChar c : name) {
            if (isForbiddenInName(c, pattern)) {
                parts.error = error::InvalidName;
                return parts;
            }
        }
        if (name == QLatin1String("."))
            continue;
        if (name == QLatin1String("..")) {
            if (!parts.components.isEmpty())
                parts.components.removeLast();
            continue;
        }
        const QString kept = pattern ? name : withoutTrailingDotsAndBlanks(name);
        if (!kept.isEmpty())
            parts.components.append(kept);
    }
    return parts;
}

QString withoutTrailingDotsAndBlanks(const QString &name)
{
    qsizetype end = name.size();
    while (end > 0 && (name.at(end - 1) == QLatin1Char('.') || name.at(end - 1) == QLatin1Char(' ')))
        --end;
    return name.left(end);
}

QString joinHostPath(const QString &folder, const QString &name)
{
    if (folder.endsWith(QLatin1Char('/')))
        return folder + name;
    return folder + QLatin1Char('/') + name;
}

bool hostEntryExists(const QString &hostPath)
{
    struct stat info;
    return ::lstat(hostPathBytes(hostPath).constData(), &info) == 0;
}

QString findNameIgnoringCase(const QString &hostFolder, const QString &name)
{
    DIR *dir = ::opendir(hostPathBytes(hostFolder).constData());
    if (!dir)
        return QString();
    QString best;
    QString bestName;
    while (const dirent *entry = ::readdir(dir)) {
        const QString candidate = hostPathFromBytes(QByteArray(entry->d_name));
        if (candidate == QLatin1String(".") || candidate == QLatin1String(".."))
            continue;
        const QString shown = windowsName(candidate);
        if (shown.size() != name.size() || !ntfsEqual(shown, name))
            continue;
        if (best.isNull() || ntfsLess(shown, bestName)) {
            best = candidate;
            bestName = shown;
        }
    }
    ::closedir(dir);
    return best;
}

QString resolveComponents(const QString &driveFolder, const QStringList &components)
{
    const qsizetype count = components.size();
    const QString asWritten = joinComponents(driveFolder, components, count);
    if (count == 0 || hostEntryExists(asWritten))
        return asWritten;

    // The longest prefix that exists exactly as written needs no listing.
    qsizetype known = count - 1;
    while (known > 0 && !hostEntryExists(joinComponents(driveFolder, components, known)))
        --known;

    QString current = joinComponents(driveFolder, components, known);
    for (qsizetype i = known; i < count; ++i) {
        const QString exact = joinHostPath(current, components.at(i));
        if (i > known && hostEntryExists(exact)) {
            current = exact;
            continue;
        }
        const QString found = findNameIgnoringCase(current, components.at(i));
        if (found.isNull()) {
            for (qsizetype rest = i; rest < count; ++rest)
                current = joinHostPath(current, components.at(rest));
            break;
        }
        current = joinHostPath(current, found);
    }
    return current;
}

} // namespace win
