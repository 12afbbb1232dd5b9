#pragma once

#include "winerror.h"

#include <QString>

// The Win32 file and system calls the programs make. Every function sets
// the last error on failure.
namespace win {

// CreateDirectoryW: one level; AlreadyExists, PathNotFound (parent
// missing), AccessDenied.
bool createDirectory(const QString &path);
// CopyFileW: replaces the target unless failIfExists.
bool copyFile(const QString &source, const QString &target, bool failIfExists);
// MoveFileExW with MOVEFILE_REPLACE_EXISTING: an atomic rename on one volume.
bool moveFileReplace(const QString &source, const QString &target);
// DeleteFileW.
bool deleteFile(const QString &path);
// SetFileAttributesW(FILE_ATTRIBUTE_NORMAL): clears read-only.
bool setFileAttributesNormal(const QString &path);

enum class DriveType {
    Unknown = 0,
    NoRootDir = 1,
    Removable = 2,
    Fixed = 3,
    Remote = 4,
    CdRom = 5,
    RamDisk = 6,
};
// GetDriveTypeW of a root such as "D:\": a mapped drive is Fixed, an
// unmapped letter NoRootDir.
DriveType driveType(const QString &rootPath);

// GetShortPathNameW: the path itself when it exists, else empty with the
// last error set (there are no 8.3 names here).
QString shortPathName(const QString &path);

// GetTempPathW: TMP, else TEMP, else the system temp folder, in Windows
// form with a trailing backslash.
QString tempPath();

// GetModuleFileNameW(NULL): the running program in Windows form.
QString moduleFileName();

// SetErrorMode: there are no critical-error boxes to switch off here; the
// mode is kept so that callers can restore it.
constexpr unsigned SemFailCriticalErrors = 0x0001;
unsigned setErrorMode(unsigned mode);

} // namespace win
