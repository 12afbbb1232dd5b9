#pragma once

#include <QString>

// Copying many photo files into a folder that is being built: each file
// without a sync of its own, the whole volume synced once before the folder
// takes effect. A sync per file costs the import most of its time on a busy
// disk.
namespace host {

// Copies source to a new target (host paths); false, with no target left,
// when either cannot be opened or a write fails (a full disk). The bytes
// copied in *bytes.
bool copyPhotoFile(const QString &source, const QString &target, qint64 *bytes);

// Writes to disk whatever the volume holding path keeps in its caches.
bool syncVolume(const QString &path);

} // namespace host
