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

// Resolves a Windows-form path to a host path. Each existing component is
// matched without regard to case when the exact name is missing, as on a
// Windows volume; components that do not exist are kept as written, so the
// result can name something about to be created. Both '\' and '/' separate.
// Fails (empty result, *error set) with PathNotFound for an unmapped drive
// or a relative path, InvalidName for characters Windows refuses in names,
// and FilenameExcedRange for a path longer than 259 characters.
QString toHostPath(const QString &windowsPath, ErrorCode *error = nullptr);

// Windows form of a host path over the drive that maps its longest prefix.
// Empty when no drive maps it.
QString toWindowsPath(const QString &hostPath);

} // namespace win
