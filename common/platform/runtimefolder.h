#pragma once

#include <QString>

// The host folder for the process-wide names of this user's session (named
// mutexes, window beacons): XDG_RUNTIME_DIR when it names a folder, else
// TMPDIR, else /tmp. Unlike the Windows temp path it does not follow TMP,
// so every program of the session meets the same names.
namespace win {

QString runtimeFolder();

// A file name in that folder for a name of the given kind, such as
// "tessera-mutex-<hex>"; Windows object names may hold any character, so
// the name is hashed.
QString runtimeFileName(const char *kind, const QString &name);

} // namespace win
