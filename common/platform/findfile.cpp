#include "findfile.h"

#include "drivetable.h"
#include "hosterror.h"
#include "hostnames.h"
#include "ntfsnames.h"
#include "pathresolver.h"
#include "wildcardpattern.h"

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>

namespace win {

namespace {

bool isHostFolder(const QString &hostPath)
{
    struct stat info;
    return ::stat(hostPathBytes(hostPath).constData(), &info) == 0 && S_ISDIR(info.st_mode);
}

// What a Windows volume holds: files and folders. A symbolic link, whatever
// it points to, a named pipe, a socket or a device is no entry of it: Windows'
// own tools pass over junctions so that no walk leaves its tree or runs in
// circles, and a pipe would block whoever opened it. Nothing for those.
std::optional<FindData> entryFromStat(const QString &name, int folderFd, const char *rawName)
{
    struct stat info;
    if (::fstatat(folderFd, rawName, &info, AT_SYMLINK_NOFOLLOW) != 0
        || !(S_ISREG(info.st_mode) || S_ISDIR(info.st_mode)))
        return std::nullopt;
    FindData data;
    data.name = name;
    data.directory = S_ISDIR(info.st_mode);
    data.size = data.directory ? 0 : qint64(info.st_size);
    return data;
}

FindData dotEntry(const QString &name)
{
    FindData data;
    data.name = name;
    data.directory = true;
    return data;
}

struct Listed
{
    QString upper;
    FindData data;
};

} // namespace

FileFinder::~FileFinder() = default;

bool FileFinder::findFirst(const QString &pattern)
{
    close();
    const WindowsPathParts parts = splitWindowsPath(pattern, LastComponent::Pattern);
    if (parts.error != error::Success)
        return fail(parts.error);
    const QString driveFolder = DriveTable::instance().hostFolder(parts.drive);
    if (driveFolder.isEmpty())
        return fail(error::PathNotFound);

    // "D:\" and "D:\data\" name a folder but no entry in it: Windows finds
    // nothing there.
    if (parts.components.isEmpty() || parts.trailingSeparator) {
        const QString folder = resolveComponents(driveFolder, parts.components);
        return fail(isHostFolder(folder) ? error::FileNotFound : error::PathNotFound);
    }

    const QString name = parts.components.last();
    const QStringList folderComponents = parts.components.first(parts.components.size() - 1);
    const QString folder = resolveComponents(driveFolder, folderComponents);
    const bool ok = WildcardPattern::hasWildcards(name)
                        ? listMatches(folder, name, folderComponents.isEmpty())
                        : findNamed(folder, withoutTrailingDotsAndBlanks(name));
    if (!ok)
        return false;
    m_position = 0;
    m_current = m_entries.first();
    return true;
}

bool FileFinder::findNamed(const QString &folder, const QString &name)
{
    if (!isHostFolder(folder))
        return fail(error::PathNotFound);
    QString found = name;
    if (!hostEntryExists(joinHostPath(folder, name))) {
        errno = 0;
        found = findNameIgnoringCase(folder, name);
        if (found.isNull())
            return fail(errno == EACCES ? error::AccessDenied : error::FileNotFound);
    }
    const int folderFd = ::open(hostPathBytes(folder).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (folderFd < 0)
        return failFromErrno(errno);
    const QString shown = windowsName(found);
    const std::optional<FindData> entry =
        shown.isNull() ? std::nullopt : entryFromStat(shown, folderFd, hostPathBytes(found).constData());
    ::close(folderFd);
    if (!entry)
        return fail(error::FileNotFound);
    m_entries.append(*entry);
    return true;
}

bool FileFinder::listMatches(const QString &folder, const QString &pattern, bool driveRoot)
{
    DIR *dir = ::opendir(hostPathBytes(folder).constData());
    if (!dir) {
        const int reason = errno;
        return fail(reason == ENOENT || reason == ENOTDIR ? error::PathNotFound
                                                          : errorFromErrno(reason));
    }
    const WildcardPattern wildcard(pattern);
    std::vector<Listed> listed;
    while (const dirent *entry = ::readdir(dir)) {
        const QString hostName = hostPathFromBytes(QByteArray(entry->d_name));
        if (hostName == QLatin1String(".") || hostName == QLatin1String(".."))
            continue;
        const QString name = windowsName(hostName);
        const QString matched = name.isNull() ? displayName(hostName) : name;
        if (!wildcard.matches(matched))
            continue;
        std::optional<FindData> data = entryFromStat(matched, ::dirfd(dir), entry->d_name);
        if (!data)
            continue;
        if (name.isNull())
            m_unmappable.append(std::move(*data));
        else
            listed.push_back({ntfsUpper(name), std::move(*data)});
    }
    ::closedir(dir);
    std::sort(m_unmappable.begin(), m_unmappable.end(),
              [](const FindData &a, const FindData &b) { return ntfsLess(a.name, b.name); });

    // NTFS lists a folder in the order of its upper-cased names; "." and
    // ".." come first, and a drive root has neither.
    std::sort(listed.begin(), listed.end(), [](const Listed &a, const Listed &b) {
        return a.upper != b.upper ? a.upper < b.upper : a.data.name < b.data.name;
    });
    if (!driveRoot) {
        for (const QString &dots : {QStringLiteral("."), QStringLiteral("..")}) {
            if (wildcard.matches(dots))
                m_entries.append(dotEntry(dots));
        }
    }
    m_entries.reserve(m_entries.size() + qsizetype(listed.size()));
    for (Listed &entry : listed)
        m_entries.append(std::move(entry.data));
    return m_entries.isEmpty() ? fail(error::FileNotFound) : true;
}

const QList<FindData> &FileFinder::unmappableEntries() const
{
    return m_unmappable;
}

bool FileFinder::findNext()
{
    if (m_position < 0 || m_position + 1 >= m_entries.size())
        return fail(error::NoMoreFiles);
    ++m_position;
    m_current = m_entries.at(m_position);
    return true;
}

void FileFinder::close()
{
    m_entries.clear();
    m_unmappable.clear();
    m_position = -1;
    m_current = FindData();
}

} // namespace win
