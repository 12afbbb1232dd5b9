#pragma once

#include "hostentry.h"
#include "profiledocument.h"

#include <QHash>
#include <QString>

#include <mutex>
#include <optional>

// Parsed profile files kept between calls, so that reading a profile key by
// key (ShelfWarden reads 256 keys of every section it shows) parses the file
// once rather than at every key. An entry holds while its file keeps its
// stamp (identity, size and time of the last write), so a change by another
// program or computer is seen at the next call; this process's own writes
// go in as they are written. (A change written in place within the same
// clock tick as the read, to the same size, is seen only at the next one.)
namespace win {

class ProfileCache final
{
public:
    static ProfileCache &instance();

    // The profile as it is now, parsed again only when its stamp changed;
    // nothing, with the last error set, when it cannot be read (missing, a
    // folder, a named pipe).
    std::optional<ProfileDocument> read(const QString &hostPath);
    // A profile this process has just written.
    void remember(const QString &hostPath, const std::optional<FileStamp> &stamp,
                  const ProfileDocument &document);

private:
    ProfileCache() = default;
    void store(const QString &hostPath, const FileStamp &stamp, const ProfileDocument &document);

    struct Entry
    {
        FileStamp stamp;
        ProfileDocument document;
        quint64 lastUse = 0;
    };

    std::mutex m_mutex;
    QHash<QString, Entry> m_entries;
    quint64 m_uses = 0;
};

} // namespace win
