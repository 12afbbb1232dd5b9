#include "hosterror.h"

#include "hostnames.h"

#include <cerrno>
#include <sys/stat.h>

namespace win {

ErrorCode errorFromErrno(int errnoValue)
{
    switch (errnoValue) {
    case 0:
        return error::Success;
    case ENOENT:
        return error::FileNotFound;
    case ENOTDIR:
    case ELOOP:
        return error::PathNotFound;
    case EACCES:
    case EPERM:
    case EISDIR:
        return error::AccessDenied;
    case EROFS:
        return error::WriteProtect;
    case EEXIST:
        return error::AlreadyExists;
    case ENOTEMPTY:
        return error::DirNotEmpty;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return error::DiskFull;
    case ENAMETOOLONG:
        return error::FilenameExcedRange;
    case EXDEV:
        return error::NotSameDevice;
    case EBUSY:
    case ETXTBSY:
        return error::SharingViolation;
    case EMFILE:
    case ENFILE:
        return error::TooManyOpenFiles;
    case EINVAL:
        return error::InvalidParameter;
    default:
        return error::GenFailure;
    }
}

ErrorCode missingEntryError(const QString &hostPath)
{
    const qsizetype slash = hostPath.lastIndexOf(QLatin1Char('/'));
    const QString parent = slash <= 0 ? QStringLiteral("/") : hostPath.left(slash);
    struct stat info;
    const bool folderExists = ::stat(hostPathBytes(parent).constData(), &info) == 0
                              && S_ISDIR(info.st_mode);
    return folderExists ? error::FileNotFound : error::PathNotFound;
}

bool fail(ErrorCode code)
{
    setLastError(code);
    return false;
}

bool failFromErrno(int errnoValue)
{
    return fail(errorFromErrno(errnoValue));
}

} // namespace win
