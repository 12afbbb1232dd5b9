#pragma once

#include "hostentry.h"

#include <QByteArray>
#include <QFile>
#include <QString>

// A file written under a temporary name beside its target and renamed over
// it only when every write reached the disk: a crash, a full disk or a
// failed write leaves the target as it was, never half of a new one. The
// new file keeps the permissions of the one it replaces.
namespace win {

class ReplacingFile final
{
public:
    ReplacingFile();
    // A file not committed is dropped; the target stays as it was.
    ~ReplacingFile();
    Q_DISABLE_COPY_MOVE(ReplacingFile)

    // Starts the temporary file; false with the last error set (PathNotFound
    // when the folder is missing, AccessDenied when it takes no file).
    bool open(const QString &targetHost);
    // Where the contents go, open for writing.
    QFile &file() { return m_file; }
    // Flushes, syncs and renames the file over the target; false with
    // WriteFault when a write failed, the target then left as it was. The
    // new target's stamp goes to *written, when it could be taken.
    bool commit(std::optional<FileStamp> *written = nullptr);

private:
    void discard();

    QByteArray m_target;
    QByteArray m_temporary;
    QFile m_file;
};

} // namespace win
