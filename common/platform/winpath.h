#pragma once

#include "winerror.h"

#include <QString>

// Windows-form paths over a drive table. All program logic speaks of
// Windows paths (D:\工事\写真); this is the one place that turns them into
// host paths and back.
//
// On POSIX the default table maps Z: to "/"; TESSERA_DRIVES adds more
// ("C=/srv/c;D=/home/u/d"). Tests map drives onto temporary folders.
namespace win {

// Path buffers hold 260 characters, so a path has at most 259.
constexpr int MaxPath = 260;

void mapDrive(QChar letter, const QString &hostFolder);
void unmapDrive(QChar letter);
// Back to the default table plus TESSERA_DRIVES.
void resetDrives();
// The host folder of a mapped drive letter, empty when unmapped.
QString driveHostFolder(QChar letter);

// Resolves a Windows-form path to a host path. The path is normalised as
// Win32 does it: '\' and '/' both separate, doubled separators collapse,
// "." and ".." fold (never above the root), trailing dots and blanks of
// names are dropped, and a trailing backslash names the folder itself
// ("D:\data\" is D:\data). Each existing component is matched without
// regard to case when the exact name is missing, as on a Windows volume;
// components that do not exist are kept as written, so the result can name
// something about to be created. Nothing is cached between calls.
// Fails (empty result, *error set) with PathNotFound for an unmapped drive,
// a relative path, "X:name" (this process keeps no current folder per
// drive), "\name" or a UNC name; InvalidName for characters Windows refuses
// in names (< > : " | ? * and control characters); FilenameExcedRange for
// a path of MaxPath characters or more, unless it is written in the long
// form "\\?\D:\..." (up to 32 767). Paths are never shortened. A name
// on the host that is no UTF-8 is found by its CP932 reading (hostnames.h).
QString toHostPath(const QString &windowsPath, ErrorCode *error = nullptr);

// Windows form of a host path over the drive that maps its longest prefix
// (whole components; the earlier letter on a tie), each name as a listing
// shows it. Relative paths are taken from the current folder. Empty when no
// drive maps it, or when a name has no Windows form (hostnames.h).
QString toWindowsPath(const QString &hostPath);

} // namespace win
