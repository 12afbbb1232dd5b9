#include "profilecache.h"

#include "hosterror.h"

#include <QFile>

#include <algorithm>
#include <fcntl.h>

namespace win {

namespace {

// The programs read a handful of profiles each; beyond this many, the one
// read longest ago goes.
constexpr qsizetype MaxCachedProfiles = 16;

} // namespace

ProfileCache &ProfileCache::instance()
{
    static ProfileCache cache;
    return cache;
}

std::optional<ProfileDocument> ProfileCache::read(const QString &hostPath)
{
    if (const std::optional<FileStamp> now = FileStamp::ofPath(hostPath)) {
        const std::lock_guard lock(m_mutex);
        const auto known = m_entries.find(hostPath);
        if (known != m_entries.end() && known->stamp == *now) {
            known->lastUse = ++m_uses;
            return known->document;
        }
    }

    // What cannot be read counts as missing, as Windows treats a profile
    // it cannot open.
    const int fd = openHostFile(hostPath, O_RDONLY);
    if (fd < 0) {
        setLastError(missingEntryError(hostPath));
        return std::nullopt;
    }
    QFile input;
    input.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    const std::optional<FileStamp> before = FileStamp::ofDescriptor(fd);
    const ProfileDocument document = ProfileDocument::fromBytes(input.readAll());
    const std::optional<FileStamp> after = FileStamp::ofDescriptor(fd);
    // A file that changed while it was read is not kept: the next call
    // reads it again.
    if (before && before == after)
        store(hostPath, *before, document);
    return document;
}

void ProfileCache::remember(const QString &hostPath, const std::optional<FileStamp> &stamp,
                            const ProfileDocument &document)
{
    if (stamp) {
        store(hostPath, *stamp, document);
        return;
    }
    const std::lock_guard lock(m_mutex);
    m_entries.remove(hostPath);
}

void ProfileCache::store(const QString &hostPath, const FileStamp &stamp, const ProfileDocument &document)
{
    const std::lock_guard lock(m_mutex);
    if (m_entries.size() >= MaxCachedProfiles && !m_entries.contains(hostPath)) {
        const auto oldest = std::min_element(m_entries.begin(), m_entries.end(),
                                             [](const Entry &a, const Entry &b) { return a.lastUse < b.lastUse; });
        m_entries.erase(oldest);
    }
    m_entries.insert(hostPath, Entry{stamp, document, ++m_uses});
}

} // namespace win
