#pragma once

#include "winerror.h"

#include <QByteArray>
#include <QString>

// The Win32 file and system calls the programs make. Every function sets
// the last error on failure.
namespace win {

// CreateDirectoryW: one level; AlreadyExists, PathNotFound (parent
// missing), AccessDenied.
bool createDirectory(const QString &path);
// CopyFileW: replaces the target unless failIfExists (then FileExists).
// The copy keeps the source's read-only attribute and modification time,
// and reaches the target by a rename, so a failed copy leaves no half file.
// A read-only target or a folder gives AccessDenied.
bool copyFile(const QString &source, const QString &target, bool failIfExists);
// MoveFileExW with MOVEFILE_REPLACE_EXISTING: an atomic rename on one volume.
bool moveFileReplace(const QString &source, const QString &target);
// DeleteFileW: AccessDenied for a folder or a read-only file.
bool deleteFile(const QString &path);
// CreateFileW for reading and ReadFile of at most maxBytes from the start
// of the file into *bytes: short files give what they hold. FileNotFound /
// PathNotFound for what is missing (a named pipe or a device counts as
// missing), AccessDenied for a folder.
bool readFileStart(const QString &path, qsizetype maxBytes, QByteArray *bytes);
// SetFileAttributesW(FILE_ATTRIBUTE_NORMAL): clears read-only (the owner's
// write bit, which stands for it here and which Windows' rules honour even
// for root).
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
// GetDriveTypeW of a root such as "D:\" (or "D:"): a mapped drive whose
// folder exists is Fixed, an unmapped letter NoRootDir. Another existing
// folder named with its trailing backslash is taken as a volume mounted
// there (Fixed); anything else is NoRootDir.
DriveType driveType(const QString &rootPath);

// GetShortPathNameW: the path itself when it exists, else empty with the
// last error set (there are no 8.3 names here).
QString shortPathName(const QString &path);

// GetTempPathW: TMP, else TEMP, else the system temp folder (TMPDIR, else
// /tmp), read at every call, in Windows form with a trailing backslash. A
// value already in Windows form is taken as it is; a host folder that no
// drive maps is passed over for the next candidate; when none is left the
// result is empty with PathNotFound.
QString tempPath();

// GetModuleFileNameW(NULL): the running program in Windows form.
QString moduleFileName();

// SetErrorMode: there are no critical-error boxes to switch off here; the
// mode is kept so that callers can restore it.
constexpr unsigned SemFailCriticalErrors = 0x0001;
unsigned setErrorMode(unsigned mode);

} // namespace win
